#include "core/timing/run_engine.h"

#include "core/app/tick.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::kt2Passing;
using test::TestProgram;

// A KT2 run: passings carry the decoder's own time since the clock reset.
struct Kt2Run : ::testing::Test {
    TestProgram t;
    RunSession& run = t.program.run;
    CarSlots& slots = t.program.slots;

    void SetUp() override { t.connectKt2(); }

    void load(int cars = 3) {
        std::vector<std::string> names;
        for (int i = 0; i < cars; ++i)
            names.push_back("Driver " + std::to_string(i + 1));
        t.loadHeat(names);
    }
    void start() {
        ASSERT_TRUE(t.startAndRun());
        t.sound.clear();
    }
    // A passing of car 'car' (transponder 1000 + car) at decoder time 'ms', then one tick.
    void pass(int car, std::int64_t ms) {
        t.serial.arrive(kt2Passing(1000 + car, ms));
        t.runTicks(10);
    }
    const CarSlot& car(int n) const { return slots[std::size_t(n - 1)]; }
};

TEST_F(Kt2Run, firstLapNeverCountsAsBestLapAndLaterImprovementsAreFlagged) {
    load();
    start();
    pass(1, 3000);
    EXPECT_EQ(car(1).laps, 1);
    EXPECT_EQ(car(1).totalTime, 3000);
    EXPECT_EQ(car(1).bestLap, 0);
    t.sound.clear();
    pass(1, 23000);
    EXPECT_EQ(car(1).bestLap, 20000);
    EXPECT_FALSE(car(1).newBestLap);
    EXPECT_EQ(t.sound.clips, std::vector<std::string>{"sons/beep1.wav"});
    t.sound.clear();
    t.serial.arrive(kt2Passing(1001, 42500));
    t.clock.advanceMs(10);
    tick(t.program);
    EXPECT_EQ(car(1).bestLap, 19500);
    EXPECT_EQ(t.sound.clips, std::vector<std::string>{"sons/youpi.wav"});
    EXPECT_EQ(car(1).lapTimes[3], 19500);
    EXPECT_EQ(car(1).cumulativeTimes[3], 42500);
    EXPECT_TRUE(car(1).runBestHolder);
    EXPECT_EQ(run.runBestLap, 19500);
}

TEST_F(Kt2Run, minimumLapTimeRejectsUpToItsValueAndBuzzesOnlyAboveTwoSeconds) {
    load();
    start();
    pass(1, 10000);
    pass(1, 12000); // exactly 2000 ms: rejected, and never buzzes at 2 s
    EXPECT_EQ(car(1).laps, 1);
    EXPECT_FALSE(t.sound.played("sons/buzz.wav"));
    pass(1, 12001);
    EXPECT_EQ(car(1).laps, 2);

    run.minLapSeconds = 5;
    pass(1, 15000);
    EXPECT_EQ(car(1).laps, 2);
    EXPECT_EQ(t.sound.count("sons/buzz.wav"), 1);
    pass(1, 15800); // within a second of the last buzz
    EXPECT_EQ(t.sound.count("sons/buzz.wav"), 1);
    pass(1, 16200);
    EXPECT_EQ(t.sound.count("sons/buzz.wav"), 2);
}

TEST_F(Kt2Run, transponderGivenToTwoSlotsCountsForBoth) {
    t.loadHeat({"Alice", "Bob"}, {"001001", "001001"});
    start();
    pass(1, 5000);
    EXPECT_EQ(car(1).laps, 1);
    EXPECT_EQ(car(2).laps, 1);
}

TEST_F(Kt2Run, staggeredStartTimesEachCarFromItsOwnFirstPassing) {
    load();
    run.startMode = StartMode::Staggered;
    run.durationMinutes = 1;
    start();
    pass(2, 4000);
    EXPECT_EQ(car(2).laps, 0);
    EXPECT_EQ(car(2).totalTime, 0);
    EXPECT_EQ(car(2).ownStartOffset, 4000);
    pass(2, 24000);
    EXPECT_EQ(car(2).laps, 1);
    EXPECT_EQ(car(2).totalTime, 20000);
    EXPECT_EQ(car(2).bestLap, 20000) << "lap 1 counts as best with the staggered start";
    EXPECT_FALSE(car(2).newBestLap);
    pass(2, 44000);
    EXPECT_FALSE(car(2).finished);
    pass(2, 64000); // 60 s of its own time
    EXPECT_TRUE(car(2).finished);
}

TEST_F(Kt2Run, finishLapRuleFinishesEveryOtherCarOnItsNextCrossing) {
    load();
    run.durationMode = DurationMode::Laps;
    run.endOfLaps = EndOfLaps::FinishLap;
    run.targetLaps = 3;
    start();
    for (int lap = 1; lap <= 3; ++lap)
        pass(1, lap * 10000);
    pass(2, 12000);
    EXPECT_TRUE(car(1).finished);
    EXPECT_TRUE(car(2).finished) << "finished on its next crossing, whatever its laps";
    EXPECT_EQ(car(2).laps, 1);
    EXPECT_TRUE(t.sound.played("sons/FinCourseVoiture1.wav"));
    EXPECT_TRUE(t.sound.played("sons/FinCourseVoiture2.wav"));
    EXPECT_TRUE(run.running);
    t.sound.clear();
    pass(3, 15000);
    EXPECT_FALSE(run.running) << "every car finished";
    EXPECT_EQ(t.sound.clips,
              (std::vector<std::string>{"sons/FinCourseVoiture3.wav", "sons/truckhorn.wav"}));
}

TEST_F(Kt2Run, allLapsRuleWaitsForEachCarToCompleteTheTarget) {
    load(2);
    run.durationMode = DurationMode::Laps;
    run.endOfLaps = EndOfLaps::AllLaps;
    run.targetLaps = 2;
    start();
    pass(1, 10000);
    pass(1, 20000);
    pass(2, 21000);
    EXPECT_TRUE(car(1).finished);
    EXPECT_FALSE(car(2).finished);
    pass(2, 31000);
    EXPECT_FALSE(run.running);
}

TEST_F(Kt2Run, lapsRunEndingAtTheSignalStopsWithoutALapClip) {
    load();
    run.durationMode = DurationMode::Laps;
    run.endOfLaps = EndOfLaps::Signal;
    run.targetLaps = 2;
    start();
    pass(1, 10000);
    t.sound.clear();
    pass(1, 20000);
    EXPECT_FALSE(run.running);
    EXPECT_EQ(t.sound.clips, std::vector<std::string>{"sons/truckhorn.wav"});
    for (const CarSlot& s : slots)
        EXPECT_TRUE(s.finished);
    for (int i = 0; i < t.program.entryCount; ++i)
        EXPECT_TRUE(t.program.rows[std::size_t(i)].finished);
}

TEST_F(Kt2Run, timedRunFinishingLapsStopsOnlyWhenEveryCarCrossedAfterTheDuration) {
    load(2);
    run.durationMinutes = 1;
    start();
    pass(1, 30000);
    pass(2, 31000);
    t.runTicks(60000);
    EXPECT_EQ(t.sound.count("sons/foghorn.wav"), 1) << "the end of the time, once";
    EXPECT_TRUE(run.running);
    pass(1, 61000);
    EXPECT_TRUE(car(1).finished);
    EXPECT_TRUE(run.running);
    t.runTicks(5000);
    EXPECT_TRUE(run.running) << "car 2 has not crossed since the end of the time";
    pass(2, 66000);
    EXPECT_FALSE(run.running);
}

TEST_F(Kt2Run, remainingTimeStopsAtZeroWhileTheLastLapsAreFinishedAndElapsedGoesOn) {
    load(2);
    run.durationMinutes = 1;
    start();
    pass(1, 30000);
    t.runTicks(76000);
    ASSERT_TRUE(run.running) << "the cars finish their last lap";
    EXPECT_EQ(run.remainingText.view(), "0:00:00");
    EXPECT_EQ(run.elapsedText.view(), "0:01:16");
}

TEST_F(Kt2Run, timedRunEndingAtTheSignalCountsPassingsReadInItsLastTick) {
    load(1);
    run.durationMinutes = 1;
    run.endOfTime = EndOfTime::Signal;
    start();
    const std::int64_t startMs = run.runClockStartMs;
    while (t.clock.tickMs() - startMs < 59'995)
        t.runTicks(10);
    EXPECT_TRUE(run.running);
    // The passing arrives in the tick at which the time is up.
    t.serial.arrive(kt2Passing(1001, 59'990));
    t.clock.advanceMs(10);
    tick(t.program);
    EXPECT_FALSE(run.running);
    EXPECT_EQ(car(1).laps, 1);
    EXPECT_EQ(t.sound.count("sons/foghorn.wav"), 1);
}

TEST_F(Kt2Run, timedRunStopsAtTheMaximumLaps) {
    load(1);
    run.durationMinutes = 60;
    run.maxLaps = 150;
    start();
    for (int lap = 1; lap <= 149; ++lap)
        pass(1, lap * 3000);
    EXPECT_TRUE(run.running);
    t.sound.clear();
    pass(1, 150 * 3000);
    EXPECT_FALSE(run.running);
    EXPECT_EQ(car(1).laps, 150);
    EXPECT_EQ(t.sound.clips, std::vector<std::string>{"sons/truckhorn.wav"});
}

TEST_F(Kt2Run, firstCarStartTimesTheRunFromThatCarsPassing) {
    load();
    run.startMode = StartMode::FirstCar;
    t.program.io.clock.tickMs();
    startRun(t.program);
    t.runTicks(6000);
    EXPECT_FALSE(run.running);
    EXPECT_TRUE(run.waitingFirstCar);
    t.sound.clear();
    pass(2, 7300);
    EXPECT_TRUE(run.running);
    EXPECT_TRUE(t.sound.played("sons/foghorn.wav"));
    EXPECT_EQ(car(2).laps, 1);
    EXPECT_EQ(car(2).totalTime, 0);
    pass(2, 27300);
    EXPECT_EQ(car(2).totalTime, 20000);
    pass(1, 9300);
    EXPECT_EQ(car(1).totalTime, 2000);
}

TEST(Kt1Run, firstCarStartKeepsTheTimeBaseItsOffsetWasMeasuredFrom) {
    TestProgram t;
    t.connectKt1();
    t.loadHeat({"Alice", "Bob"});
    t.program.run.startMode = StartMode::FirstCar;
    startRun(t.program);
    t.runTicks(7000);
    ASSERT_TRUE(t.program.run.waitingFirstCar);
    t.serial.arrive(test::kt1Passing(1002));
    t.runTicks(10);
    ASSERT_TRUE(t.program.run.running);
    t.clock.advanceMs(20'003 - 10);
    t.serial.arrive(test::kt1Passing(1002));
    t.clock.advanceMs(4);
    t.serial.arrive(test::kt1Passing(1001));
    t.runTicks(10);
    EXPECT_EQ(t.program.slots[1].totalTime, 20'003) << "timed by its arrival, not by the tick";
    EXPECT_EQ(t.program.slots[0].totalTime, 20'007);
}

TEST(Kt1Run, aPassingStampedBeforeTheSignalStartIsNoLapAndNoTimeIsNegative) {
    TestProgram t;
    t.connectKt1();
    t.loadHeat({"Alice"});
    startRun(t.program);
    // Up to the last tick of the countdown, which discards what arrived.
    while (t.program.run.countdown && t.program.run.countdownStartMs + 4990 > t.clock.tickMs())
        t.runTicks(10);
    ASSERT_TRUE(t.program.run.countdown);
    t.clock.advanceMs(5);
    t.serial.arrive(test::kt1Passing(1001)); // after the discard, before the start
    t.runTicks(10);
    ASSERT_TRUE(t.program.run.running);
    t.runTicks(10);
    EXPECT_EQ(t.program.slots[0].laps, 0);
    EXPECT_EQ(t.program.slots[0].totalTime, 0);
    t.runTicks(5000);
    t.serial.arrive(test::kt1Passing(1001));
    t.runTicks(10);
    EXPECT_EQ(t.program.slots[0].laps, 1);
    EXPECT_GT(t.program.slots[0].totalTime, 0);
}

TEST_F(Kt2Run, whileTheStartToneIsWaitedForNoTickCommandOrCloseTouchesTheHalfStartedRun) {
    load();
    bool sawInProgress = false;
    t.sound.whileWaiting = [&] {
        t.sound.whileWaiting = nullptr;
        sawInProgress = run.inProgress(); // what the close request asks
        startRun(t.program);
        stopRun(t.program);
        t.runTicks(1000);
        clearRun(t.program);
    };
    startRun(t.program);
    EXPECT_TRUE(sawInProgress) << "a close meanwhile is refused";
    EXPECT_TRUE(run.countdown);
    EXPECT_FALSE(run.running);
    EXPECT_EQ(run.countdownStartMs, t.clock.tickMs()) << "the countdown starts after the tone";
    EXPECT_EQ(t.sound.count("sons/nokia-sms.wav"), 1);
    EXPECT_TRUE(t.dialogs.questions.empty()) << "no clear question during the start";
    EXPECT_TRUE(t.startAndRun());
}

TEST_F(Kt2Run, stopDuringTheCountdownLeavesTheRunReadyToStart) {
    load();
    startRun(t.program);
    t.runTicks(2000);
    stopRun(t.program);
    EXPECT_FALSE(run.countdown);
    EXPECT_TRUE(run.ready);
    EXPECT_FALSE(t.screen.locked);
    EXPECT_TRUE(t.startAndRun());
}

TEST(KeyTexts, everyChoiceReadsBackFromItsKey) {
    for (const RankingMode m : {RankingMode::LapsThenTime, RankingMode::BestLap}) {
        RankingMode back{};
        ASSERT_TRUE(parseKey(keyOf(m), back));
        EXPECT_EQ(back, m);
    }
    for (const EndOfLaps m : {EndOfLaps::Signal, EndOfLaps::FinishLap, EndOfLaps::AllLaps}) {
        EndOfLaps back{};
        ASSERT_TRUE(parseKey(keyOf(m), back));
        EXPECT_EQ(back, m);
    }
    StartMode s{};
    EXPECT_TRUE(parseKey("DEPARTDecale", s));
    EXPECT_EQ(s, StartMode::Staggered);
    EXPECT_FALSE(parseKey("DEPARTdecale", s));
}

} // namespace
} // namespace racedesk
