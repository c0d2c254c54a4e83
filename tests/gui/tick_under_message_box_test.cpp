#include "gui_program.h"
#include "modal_driver.h"

#include "core/timing/decoder_protocol.h"
#include "core/timing/run_engine.h"
#include "support/test_program.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace racedesk {
namespace {

using test::GuiProgram;
using test::MessageBoxes;

constexpr std::int64_t kTurnMs = 20;

bool isMessageBox(QWidget& w) {
    return qobject_cast<QMessageBox*>(&w) != nullptr;
}

// A KT2 on the scripted port that answers identify and clock reset while its writes go
// through, its keep-alives watched by the tick.
void connectKt2(GuiProgram& g) {
    g.program.link.portName = "COM1";
    g.program.link.interfaceType = "TarvolinKT2";
    g.program.link.connected = 1;
    g.serial.open("COM1");
    g.serial.onWrite = [&g](const std::vector<std::uint8_t>& bytes) {
        const auto is = [&bytes](const auto& command) {
            return bytes == std::vector<std::uint8_t>(command.begin(), command.end());
        };
        if (is(kClockResetCommand))
            g.serial.arriveOnWire(g.clock.nowMicros() + 5200, test::kKt2ClockResetReply);
        if (is(kIdentifyCommand))
            g.serial.arriveOnWire(g.clock.nowMicros() + 5200, test::kKt2IdentifyReply);
    };
    g.program.link.keepAliveActive = true;
    g.program.link.lastKeepAliveMs = g.clock.tickMs();
}

// The fake clock moves on while the event loop runs, so that the window's own timer ticks
// the program as it does for real. Gives done() once it holds, or false after 'ms'.
bool runFor(GuiProgram& g, std::int64_t ms, const std::function<bool()>& done,
            const std::function<void()>& eachTurn = {}) {
    for (std::int64_t t = 0; t < ms && !done(); t += kTurnMs) {
        g.clock.advanceMs(kTurnMs);
        if (eachTurn)
            eachTurn();
        QTest::qWait(1);
    }
    return done();
}

std::int64_t runMs(const GuiProgram& g) {
    return g.clock.nowMicros() / 1000 - g.program.run.runClockStartMs;
}

TEST(MainWindow, aLossReportOpenDuringARunLeavesItTimedToItsEnd) {
    GuiProgram g(1366, 768, MessageBoxes::Real);
    g.loadHeat({"Alice", "Bob"});
    connectKt2(g);
    startRun(g.program);
    g.tickFor(5100);
    ASSERT_TRUE(g.program.run.running);

    // The decoder stops taking keep-alives: the loss, then a failed recovery, is reported.
    g.serial.writesFail = true;
    bool boxSeen = false;
    std::int64_t runMsWhenShown = 0;
    std::int64_t passingsSent = 0;
    bool endedUnderTheBox = false;
    test::whenModal(isMessageBox, [&](QWidget& box) {
        boxSeen = true;
        runMsWhenShown = runMs(g);
        EXPECT_TRUE(g.program.run.running);
        // The decoder comes back while the report is open; its passings are timed, and
        // the time-up rule ends the run once each car has finished its last lap.
        g.serial.writesFail = false;
        std::int64_t next[2] = {runMs(g) + 6000, runMs(g) + 7000};
        endedUnderTheBox = runFor(
            g, 90'000, [&] { return !g.program.run.running; },
            [&] {
                if (g.program.link.connected != 1)
                    return;
                for (int car = 0; car < 2; ++car) {
                    if (runMs(g) < next[car] || g.program.slots[std::size_t(car)].finished)
                        continue;
                    g.serial.arrive(test::kt2Passing(1001 + car, next[car]));
                    next[car] += 9000 + car * 500;
                    ++passingsSent;
                }
            });
        EXPECT_EQ(QApplication::activeModalWidget(), &box) << "the report stayed open";
        EXPECT_EQ(g.realBoxes.pending(), 1) << "the recovery's report waits for this one";
        test::whenModal(isMessageBox, [](QWidget& second) { second.close(); });
        box.close();
    });
    g.window->startTick();
    runFor(g, 20'000, [&] { return boxSeen; });
    QTest::qWait(200);

    ASSERT_TRUE(boxSeen) << "the loss was reported";
    EXPECT_TRUE(endedUnderTheBox) << "the end rules applied while the report was open";
    EXPECT_GE(runMs(g) - runMsWhenShown, 40'000) << "the run clock went on";
    EXPECT_EQ(g.program.slots[0].laps + g.program.slots[1].laps, int(passingsSent));
    EXPECT_GE(g.program.slots[0].laps, 5);
    EXPECT_GE(g.program.slots[1].laps, 5);
    EXPECT_EQ(g.program.link.connected, 1) << "recovered while the report was open";
    EXPECT_EQ(g.realBoxes.pending(), 0);
}

} // namespace
} // namespace racedesk
