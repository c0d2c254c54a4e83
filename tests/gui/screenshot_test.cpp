// Saves the main window during a simulated run of 10 cars, at the two common screen sizes,
// to PNG files in the build folder, for a person to look at.
#include "gui_program.h"

#include "core/timing/run_engine.h"
#include "gui/board_widget.h"
#include "support/test_program.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::GuiProgram;

const std::vector<std::string> kDrivers = {
    "Lucas Martin", "Emma Bernard", "Hugo Petit",    "Léa Durand",     "Nathan Leroy",
    "Chloé Moreau", "Louis Simon",  "Manon Laurent", "Jules Lefebvre", "Inès Michel"};

// Ten cars lapping at slightly different paces for about four minutes of a five-minute heat.
void simulateRun(GuiProgram& g) {
    g.program.run.durationMinutes = 5;
    g.loadHeat(kDrivers);
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
}

QImage grabAt(int width, int height) {
    GuiProgram g(width, height);
    simulateRun(g);
    QApplication::processEvents();
    return g.window->grab().toImage();
}

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

TEST(Screenshot, runOfTenCarsAtFullHdAndAtLaptopSize) {
    QDir().mkpath(RACEDESK_SCREENSHOT_DIR);
    for (const auto& [w, h] : {std::pair{1920, 1080}, std::pair{1366, 768}}) {
        const QImage image = grabAt(w, h);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), w);
        EXPECT_EQ(image.height(), h);
        EXPECT_GT(distinctColours(image), 50) << "a painted board, not a blank window";
        const QString file = QString(RACEDESK_SCREENSHOT_DIR "/board_%1x%2.png").arg(w).arg(h);
        ASSERT_TRUE(image.save(file));
    }
}

} // namespace
} // namespace racedesk
