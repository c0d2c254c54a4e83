#include "core/timing/manual_lap_undo.h"

#include "core/app/tick.h"
#include "core/timing/run_engine.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::kt2Passing;
using test::TestProgram;

// A KT2 run of two cars whose transponders are 001001 and 001002; the car buttons count laps
// on the host's clock.
struct ManualLaps : ::testing::Test {
    TestProgram t;
    Program& p = t.program;
    RunSession& run = p.run;

    void SetUp() override {
        t.connectKt2();
        t.loadHeat({"Alice", "Bob"});
        ASSERT_TRUE(t.startAndRun());
    }
    void pass(int car, std::int64_t ms) {
        t.serial.arrive(kt2Passing(1000 + car, ms));
        t.runTicks(10);
    }
    const CarSlot& car(int n) const { return p.slots[std::size_t(n - 1)]; }
    const CircuitRecord& record() const { return p.circuits[std::size_t(run.circuitIndex)]; }
};

TEST_F(ManualLaps, aButtonLapNeverBecomesABestLapTheRunsBestOrTheRecord) {
    pass(1, 3000);
    pass(2, 4000);
    t.runTicks(6000);
    manualPassing(p, 2); // about 2 s after Bob's first crossing: far quicker than any real lap
    ASSERT_EQ(car(2).laps, 2);
    EXPECT_TRUE(car(2).manualLaps[2]);
    EXPECT_EQ(car(2).bestLap, 0);
    EXPECT_FALSE(car(2).runBestHolder);
    EXPECT_EQ(record().recordMs, 0);

    pass(1, 23000);
    EXPECT_EQ(car(1).bestLap, 20000);
    EXPECT_TRUE(car(1).runBestHolder);
    EXPECT_FALSE(car(2).runBestHolder);
    EXPECT_EQ(run.runBestLap, 20000);
    EXPECT_EQ(record().recordMs, 20000);
    EXPECT_EQ(record().recordHolder.view(), "Alice");

    pass(2, 26000); // Bob's next timed lap runs from the button: still not a measured lap
    EXPECT_EQ(car(2).laps, 3);
    EXPECT_GT(car(2).bestLap, 0) << "a timed lap after the button counts";
    EXPECT_EQ(car(2).bestLap, car(2).lapTimes[3]);
}

TEST_F(ManualLaps, undoTakesTheLastButtonLapOffTheCarTheRankingAndTheBoard) {
    pass(1, 3000);
    pass(2, 4000);
    pass(1, 23000);
    t.runTicks(20000);
    manualPassing(p, 2); // a wrong button: Bob had not crossed
    ASSERT_EQ(car(2).laps, 2);
    EXPECT_EQ(p.entries[0].name.view(), "Bob") << "two laps in less time than Alice";
    EXPECT_EQ(p.rows[0].name.view(), "Bob");

    t.screen.invalidated.clear();
    ASSERT_TRUE(undoLastManualLap(p));
    EXPECT_EQ(car(2).laps, 1);
    EXPECT_EQ(car(2).passings, 1);
    EXPECT_EQ(car(2).totalTime, 4000);
    EXPECT_EQ(car(2).cumulativeTimes[2], 0);
    EXPECT_FALSE(car(2).manualLaps[2]);
    EXPECT_EQ(p.entries[0].name.view(), "Alice");
    EXPECT_EQ(p.rows[1].name.view(), "Bob");
    EXPECT_EQ(p.rows[1].laps.view(), "1");
    EXPECT_FALSE(t.screen.invalidated.empty()) << "the board is drawn again";
    EXPECT_FALSE(undoLastManualLap(p)) << "only the last button lap can be taken back";

    pass(2, 24000);
    EXPECT_EQ(car(2).laps, 2);
    EXPECT_EQ(car(2).lapTimes[2], 20000) << "the next crossing counts from the real one";
}

TEST_F(ManualLaps, undoAfterTimedLapsJoinsTheButtonLapWithTheLapAfterIt) {
    pass(1, 3000);
    t.runTicks(10000);
    manualPassing(p, 1);
    pass(1, 33000);
    pass(1, 53000);
    ASSERT_EQ(car(1).laps, 4);
    ASSERT_EQ(car(1).bestLap, 20000);
    ASSERT_TRUE(undoLastManualLap(p));
    EXPECT_EQ(car(1).laps, 3);
    EXPECT_EQ(car(1).cumulativeTimes[2], 33000);
    EXPECT_EQ(car(1).lapTimes[2], 30000);
    EXPECT_EQ(car(1).cumulativeTimes[3], 53000);
    EXPECT_EQ(car(1).lapTimes[3], 20000);
    EXPECT_EQ(car(1).totalTime, 53000);
    EXPECT_EQ(car(1).bestLap, 20000);
    EXPECT_EQ(car(1).cumulativeTimes[4], 0);
}

TEST_F(ManualLaps, aCarFinishedByAButtonLapRacesOnOnceItIsTakenBack) {
    run.durationMinutes = 1;
    pass(1, 3000);
    pass(2, 4000);
    t.runTicks(61000);
    manualPassing(p, 1);
    ASSERT_TRUE(car(1).finished);
    ASSERT_TRUE(run.running) << "Bob has not crossed since the end of the time";
    ASSERT_TRUE(undoLastManualLap(p));
    EXPECT_FALSE(car(1).finished);
    pass(1, 62000);
    EXPECT_EQ(car(1).laps, 2);
    EXPECT_TRUE(car(1).finished);
}

TEST_F(ManualLaps, nothingToTakeBackBeforeAButtonLapOrAfterTheRun) {
    EXPECT_FALSE(undoLastManualLap(p));
    pass(1, 3000);
    manualPassing(p, 2);
    stopRun(p);
    EXPECT_FALSE(undoLastManualLap(p));
    EXPECT_EQ(car(2).laps, 1);
}

} // namespace
} // namespace racedesk
