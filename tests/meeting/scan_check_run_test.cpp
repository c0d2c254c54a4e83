#include "core/app/program.h"
#include "core/app/working_folder.h"
#include "core/timing/interface_settings.h"
#include "core/timing/run_engine.h"
#include "gui/main_window.h"
#include "gui/screen_relay.h"
#include "kt-sim/control/sim_process.h"
#include "platform/qt_serial_port.h"
#include "platform/system_clock.h"
#include "support/recording_sound_player.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "window_on_simulator.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace racedesk {
namespace {

constexpr int kCars = 6;
constexpr std::array<int, kCars> kTransponders = {4101, 4102, 4103, 4104, 4105, 4106};
// The order the cars come to the line for the scan: car k of the run takes the k-th of these.
constexpr std::array<int, kCars> kScanOrder = {4104, 4102, 4106, 4101, 4105, 4103};
constexpr int kWaitMs = 5000;

std::string transponderList() {
    std::string list;
    for (const int t : kTransponders)
        list += (list.empty() ? "" : ",") + std::to_string(t);
    return list;
}

std::string sixDigits(int transponder) {
    char text[8];
    std::snprintf(text, sizeof text, "%06d", transponder);
    return text;
}

// Mixed mode with a real KT1 behind a pseudo-terminal: kt-sim sends each passing when told,
// the window runs on its own tick and the real clock.
class ScanCheckRun : public ::testing::Test {
protected:
    static constexpr const char* kPort = "COM47";

    void SetUp() override {
        installShippedDefaults(RACEDESK_SHARE_DIR, folder.path(), SpokenLanguage::French);
        sim = std::make_unique<ktsim::SimProcess>(
            KT_SIM_PATH, folder.path(),
            std::vector<std::string>{"--port", kPort, "--kt1", "--cars", std::to_string(kCars),
                                     "--transponders", transponderList(), "--start-after-ms",
                                     "-1"});
        ASSERT_TRUE(sim->started() && sim->waitFor({"ready"}, 1, 5000));
        window = test::openWindowOnSimulator(program, screen, kPort, kTypeKt1);
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(program.link.connected, 1);
        loadSixDrivers();
    }

    void TearDown() override {
        window.reset();
        sim.reset();
        serial.close();
    }

    void loadSixDrivers() {
        emptySlots(program.slots);
        for (int i = 0; i < kCars; ++i)
            program.slots[std::size_t(i)].name = "Pilote " + std::to_string(i + 1);
        program.run.heatLoaded = program.run.holdsRun = true;
        program.run.durationMode = DurationMode::Laps;
        program.run.targetLaps = 2;
        program.run.countdownSeconds = 1;
        program.run.minLapSeconds = 0;
        prepareRun(program);
        window->runChanged();
    }

    const MainControls& controls() const { return window->controls(); }
    std::string transponderOf(int car) const {
        return std::string(program.slots[std::size_t(car - 1)].transponder.view());
    }
    void pass(int transponder) { ASSERT_TRUE(sim->command("pass " + std::to_string(transponder))); }

    // The cars cross one by one in the scan order; each takes the next free slot.
    void scanAll() {
        QTest::mouseClick(controls().scan, Qt::LeftButton);
        ASSERT_TRUE(program.scan.scanning);
        EXPECT_EQ(controls().scanStatus->text(), QString(" Scan en cours"));
        for (int car = 1; car <= kCars; ++car) {
            pass(kScanOrder[std::size_t(car - 1)]);
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return transponderOf(car) == sixDigits(kScanOrder[std::size_t(car - 1)]); },
                kWaitMs))
                << "car " << car;
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return program.scan.checking; }, kWaitMs));
        EXPECT_EQ(controls().scanStatus->text(), QString::fromUtf8(" Vérif en cours"));
    }

    // The check lap: each car's transponder crosses in the given order of car numbers.
    void checkInOrder(const std::vector<int>& cars) {
        sound.clear();
        for (const int car : cars) {
            pass(kScanOrder[std::size_t(car - 1)]);
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return program.slots[std::size_t(car - 1)].laps == 1; }, kWaitMs))
                << "car " << car;
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return !program.scan.on; }, kWaitMs));
        EXPECT_EQ(controls().scanStatus->text(), QString::fromUtf8(" Vérif terminée"));
        EXPECT_FALSE(controls().scan->isChecked());
        EXPECT_TRUE(controls().start->isEnabled());
    }

    test::TempFolder folder;
    SystemClock clock;
    QtSerialPort serial{folder.path()};
    test::RecordingSoundPlayer sound;
    test::ScriptedDialogs dialogs;
    ScreenRelay screen;
    Program program{Platform{clock, serial, sound, dialogs, screen}, folder.path()};
    std::unique_ptr<ktsim::SimProcess> sim;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ScanCheckRun, sixCarsScannedAndCheckedInOrderThenAWrongOrderThenARunTimedOnTheScan) {
    QTest::mouseClick(controls().mixed, Qt::LeftButton);
    ASSERT_TRUE(controls().scan->isVisible());

    ASSERT_NO_FATAL_FAILURE(scanAll());
    ASSERT_NO_FATAL_FAILURE(checkInOrder({1, 2, 3, 4, 5, 6}));
    ASSERT_FALSE(sound.clips.empty());
    EXPECT_EQ(sound.clips.back(), "sons/nokia-sms.wav");
    EXPECT_EQ(sound.count("sons/buzz.wav"), 0);
    EXPECT_EQ(sound.count("sons/beep1.wav"), kCars);

    ASSERT_NO_FATAL_FAILURE(scanAll());
    ASSERT_NO_FATAL_FAILURE(checkInOrder({2, 1, 3, 4, 5, 6}));
    EXPECT_EQ(sound.clips.back(), "sons/buzz.wav");

    // The run: cleared, started, and two laps of each scanned car land on its driver.
    dialogs.answers = {Answer::Yes};
    QTest::mouseClick(controls().clear, Qt::LeftButton);
    ASSERT_TRUE(program.run.ready);
    QTest::mouseClick(controls().start, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return program.run.running; }, kWaitMs));
    for (int lap = 0; lap < 2; ++lap) {
        for (int car = 1; car <= kCars; ++car) {
            pass(kScanOrder[std::size_t(car - 1)]);
            QTest::qWait(30);
        }
    }
    ASSERT_TRUE(QTest::qWaitFor([this] { return !program.run.inProgress(); }, kWaitMs));
    for (int car = 1; car <= kCars; ++car) {
        const CarSlot& s = program.slots[std::size_t(car - 1)];
        EXPECT_EQ(s.laps, 2) << s.name.view();
        EXPECT_GT(s.totalTime, 0) << s.name.view();
        EXPECT_EQ(transponderOf(car), sixDigits(kScanOrder[std::size_t(car - 1)]));
    }
}

} // namespace
} // namespace racedesk
