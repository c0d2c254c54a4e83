// Saves what a race director sees during and after a simulated run of 10 cars, to PNG files in
// the build's screenshots folder, for a person to look at: the main window at the two common
// screen sizes, the run analysis dialog, the detailed results' position view and the display
// settings. Built once per program; the files' names begin with the program's language.
#include "gui_program.h"

#include "core/common/cp1252.h"
#include "core/common/texts.h"
#include "core/race/driver_hand_over.h"
#include "core/timing/frequency_conflict.h"
#include "core/timing/run_engine.h"
#include "gui/board_widget.h"
#include "gui/detailed_results_dialog.h"
#include "gui/display_dialog.h"
#include "gui/driver_analysis_dialog.h"
#include "gui/modal_driver.h"
#include "support/test_program.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::GuiProgram;

const std::vector<std::string> kDrivers = {
    "Lucas Martin", "Emma Bernard", "Hugo Petit",    "Léa Durand",     "Nathan Leroy",
    "Chloé Moreau", "Louis Simon",  "Manon Laurent", "Jules Lefebvre", "Inès Michel"};

QString language() {
    return QString::fromUtf8(textUtf8(Text::LanguageCode));
}

// Two drivers on one frequency, so the conflict banner shows as the director would see it.
void shareAFrequency(Program& p) {
    for (int i = 0; i < 2; ++i) {
        Participant& entry = p.participants[std::size_t(i)];
        entry.name = p.slots[std::size_t(i * 5)].name.view();
        entry.frequencies[0] = "27.145";
    }
    p.board.conflictText = frequencyConflictText(p.slots, p.participants);
    p.board.conflict = !p.board.conflictText.empty();
}

// Ten cars lapping at slightly different paces for about four minutes of a five-minute heat,
// and one car counted by its button.
void simulateRun(GuiProgram& g) {
    g.program.run.durationMinutes = 5;
    g.loadHeat(kDrivers);
    g.program.loaded.runTitle = " Tourisme 1/10 - Manche1 - S\xE9rie1 ";
    g.program.track.circuit = "Circuit des Pins";
    shareAFrequency(g.program);
    g.program.link.interfaceType = "TarvolinKT2";
    g.program.link.connected = 1;
    g.serial.open("COM1");
    g.serial.onWrite = [&g](const std::vector<std::uint8_t>&) {
        g.serial.arriveOnWire(g.clock.nowMicros() + 5200, test::kKt2ClockResetReply);
    };
    startRun(g.program);
    g.tickFor(5100);
    ASSERT_TRUE(g.program.run.running);
    std::vector<std::int64_t> next(kDrivers.size());
    for (std::size_t car = 0; car < next.size(); ++car)
        next[car] = 4000 + std::int64_t(car) * 700;
    for (std::int64_t t = 0; t < 4 * 60'000; t += 10) {
        for (std::size_t car = 0; car < next.size(); ++car) {
            if (next[car] == t) {
                g.serial.arrive(test::kt2Passing(int(1001 + car), t));
                // A pace of its own, with a little variation from lap to lap.
                next[car] += 19'000 + std::int64_t(car) * 350 + (t / 10 % 7) * 90;
            }
        }
        g.tickFor(10);
    }
    manualPassing(g.program, 10);
}

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

void save(const QImage& image, const QString& name) {
    ASSERT_FALSE(image.isNull()) << name.toStdString();
    EXPECT_GT(distinctColours(image), 20) << name.toStdString() << ": painted, not blank";
    QDir().mkpath(RACEDESK_SCREENSHOT_DIR);
    const QString file = QString(RACEDESK_SCREENSHOT_DIR "/%1_%2.png").arg(language(), name);
    EXPECT_TRUE(image.save(file)) << file.toStdString();
}

TEST(Screenshot, mainWindowDuringARunAtFullHdAndAtLaptopSize) {
    for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{1366, 768}}) {
        GuiProgram g(w, h);
        simulateRun(g);
        QApplication::processEvents();
        const QImage image = g.window->grab().toImage();
        EXPECT_EQ(image.width(), w);
        EXPECT_EQ(image.height(), h);
        for (const int id : {2101, 2102, 2103}) {
            const QWidget* radio = g.control(id);
            EXPECT_LE(radio->sizeHint().width(), radio->width()) << id << " cut at " << w;
        }
        save(image, QString("main_%1x%2").arg(w).arg(h));
    }
}

TEST(Screenshot, analysisDialogAndPositionViewAfterTheRun) {
    GuiProgram g(1366, 768);
    simulateRun(g);
    stopRun(g.program);
    ASSERT_TRUE(handOverDriverResult(g.program, 0));
    bool analysed = false;
    test::whenDialogWith("6501", [&](QWidget& d) {
        analysed = true;
        save(d.grab().toImage(), "analysis");
        test::clickButton(d, "1");
    });
    runDriverAnalysis(g.program, g.window.get());
    EXPECT_TRUE(analysed);

    bool charted = false;
    test::whenDialogWith("6303", [&](QWidget& d) {
        charted = true;
        d.findChild<QRadioButton*>("6303")->click();
        // The last laps, where the car counted by its button moves up among the others.
        auto* laps = d.findChild<QScrollBar*>("6305");
        ASSERT_NE(laps, nullptr);
        laps->setValue(laps->maximum());
        save(d.grab().toImage(), "positions");
        test::clickButton(d, "1");
    });
    runDetailedResultsDialog(g.program, g.window.get());
    EXPECT_TRUE(charted);
    EXPECT_TRUE(g.dialogs.messages.empty());
}

TEST(Screenshot, displaySettingsWithItsFontSamples) {
    GuiProgram g(1366, 768);
    bool shown = false;
    test::whenDialogWith("3803", [&](QWidget& d) {
        shown = true;
        save(d.grab().toImage(), "display");
        test::clickButton(d, "2");
    });
    runDisplayDialog(g.program, g.window.get());
    EXPECT_TRUE(shown);
}

} // namespace
} // namespace racedesk
