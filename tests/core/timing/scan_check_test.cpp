#include "core/timing/scan_check.h"

#include "core/app/tick.h"
#include "core/timing/run_engine.h"
#include "core/timing/transponder_modes.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::kt1Passing;
using test::TestProgram;

// Mixed mode on a KT1 link: drivers in slots 1, 2 and 5, the others empty.
struct Scan : ::testing::Test {
    TestProgram t;
    Program& p = t.program;
    ScanState& scan = t.program.scan;

    void SetUp() override {
        t.connectKt1();
        t.loadHeat({"Anna", "Bruno", "(NA)", "(NA)", "Eva"});
        setTransponderMode(p, TransponderMode::Mixed);
        t.sound.clear();
    }
    // After `waitMs`, the car with transponder `number` crosses the line and the next tick
    // reads it.
    void cross(int number, std::int64_t waitMs = 0) {
        t.runTicks(waitMs);
        t.serial.arrive(kt1Passing(number));
        t.runTicks(10);
    }
    std::string transponderOf(int car) const {
        return std::string(p.slots[std::size_t(car - 1)].transponder.view());
    }
    std::string rowTransponder(int row) const {
        return std::string(p.rows[std::size_t(row)].transponder.view());
    }
    // Scans the cars 5005, 5002 and 5009 into slots 1, 2 and 5.
    void scanThree() {
        ASSERT_TRUE(pressScan(p));
        cross(5005);
        cross(5002);
        cross(5009);
        ASSERT_TRUE(scan.checking);
        t.sound.clear();
    }
};

TEST_F(Scan, carsTakeTheFreeSlotsInCrossingOrderAndTheCheckInCarOrderEndsWithTheSignal) {
    ASSERT_TRUE(pressScan(p));
    EXPECT_TRUE(scan.on && scan.scanning && !scan.checking);
    EXPECT_EQ(scan.status, ScanStatus::Scanning);
    ASSERT_FALSE(t.sound.clips.empty());
    EXPECT_EQ(t.sound.clips.back(), "sons/nokia-sms.wav");
    EXPECT_TRUE(t.sound.waited.back());
    EXPECT_GT(t.screen.scanChanges, 0);

    cross(5005);
    cross(5005); // the same car again: keeps its slot, no second beep
    EXPECT_EQ(t.sound.count("sons/beep1.wav"), 1);
    EXPECT_EQ(transponderOf(1), "005005");
    EXPECT_EQ(transponderOf(2), "");
    EXPECT_EQ(rowTransponder(0), "005005");
    cross(5002);
    EXPECT_TRUE(scan.scanning) << "slot 5 is still free";
    cross(5009);
    EXPECT_EQ(t.sound.count("sons/beep1.wav"), 3);
    EXPECT_EQ(transponderOf(2), "005002");
    EXPECT_EQ(transponderOf(5), "005009");
    EXPECT_EQ(transponderOf(3), "");
    EXPECT_EQ(rowTransponder(2), "005009");

    // Complete: the check begins on a time base of its own.
    EXPECT_TRUE(scan.checking);
    EXPECT_FALSE(scan.scanning);
    EXPECT_FALSE(p.run.ready);
    EXPECT_EQ(scan.status, ScanStatus::Checking);
    EXPECT_EQ(std::string(p.rows[1].totalTime.view()), "00:00.000");
    t.sound.clear();

    cross(5005, 3000);
    cross(5005, 1490); // 1500 ms later: the same car seen again, not a lap
    EXPECT_EQ(p.slots[0].laps, 1);
    EXPECT_EQ(p.slots[0].totalTime, 3010);
    cross(5002, 3000);
    EXPECT_EQ(t.sound.count("sons/beep1.wav"), 2);
    EXPECT_TRUE(scan.checking);
    cross(5009);
    EXPECT_FALSE(scan.on);
    EXPECT_FALSE(scan.checking);
    EXPECT_EQ(scan.status, ScanStatus::CheckDone);
    EXPECT_EQ(t.sound.clips.back(), "sons/nokia-sms.wav");
    EXPECT_EQ(t.sound.count("sons/buzz.wav"), 0);
    EXPECT_EQ(std::string(p.rows[0].name.view()), "Anna");
    EXPECT_EQ(std::string(p.rows[2].name.view()), "Eva");
}

TEST_F(Scan, aCheckWhereCarTwoCrossesBeforeCarOneEndsWithTheBuzz) {
    scanThree();
    cross(5002, 2000);
    cross(5005, 2000);
    cross(5009, 2000);
    EXPECT_EQ(scan.status, ScanStatus::CheckDone);
    EXPECT_EQ(t.sound.clips.back(), "sons/buzz.wav");
    EXPECT_EQ(t.sound.count("sons/nokia-sms.wav"), 0);
}

TEST_F(Scan, theCheckRanksByLapsThenTimeWhateverTheRunsRankingAndIgnoresUnknownCars) {
    p.run.ranking = RankingMode::BestLap;
    scanThree();
    cross(7777, 500);
    EXPECT_EQ(t.sound.count("sons/beep1.wav"), 0);
    cross(5005, 2500);
    cross(5005, 2500); // car 1 on its second lap: still first
    EXPECT_EQ(p.slots[0].laps, 2);
    cross(5002, 100);
    EXPECT_EQ(std::string(p.rows[0].name.view()), "Anna");
    EXPECT_EQ(std::string(p.rows[1].name.view()), "Bruno");
    EXPECT_TRUE(scan.checking);
}

TEST_F(Scan, releasingTheScanKeepsWhatWasTakenAndSwitchesItOff) {
    ASSERT_TRUE(pressScan(p));
    cross(5005);
    t.sound.clear();
    releaseScan(p);
    EXPECT_FALSE(scan.on || scan.scanning || scan.checking);
    EXPECT_EQ(scan.status, ScanStatus::Off);
    EXPECT_EQ(t.sound.clips, std::vector<std::string>{"sons/nokia-sms.wav"});
    EXPECT_EQ(transponderOf(1), "005005");
    cross(5002); // read and thrown away now
    EXPECT_EQ(transponderOf(2), "");
    EXPECT_EQ(t.serial.pendingBytes(), 0u);
}

TEST_F(Scan, theScanStartsOnlyInMixedModeAndNeverDuringARun) {
    setTransponderMode(p, TransponderMode::Club);
    EXPECT_FALSE(pressScan(p));
    setTransponderMode(p, TransponderMode::Mixed);
    ASSERT_TRUE(pressScan(p));
    startRun(p);
    EXPECT_FALSE(p.run.inProgress()) << "no start while scanning";
    releaseScan(p);
    startRun(p);
    EXPECT_FALSE(pressScan(p));
    EXPECT_TRUE(p.run.countdown);
}

TEST(ScanJudgement, noDriverIsTheBuzzAndOneDriverTheSignal) {
    RankEntries entries{};
    EXPECT_FALSE(crossedInCarOrder(entries, 0));
    entries[0].carNumber = 4;
    EXPECT_TRUE(crossedInCarOrder(entries, 1));
    entries[1].carNumber = 4;
    EXPECT_FALSE(crossedInCarOrder(entries, 2)) << "strictly increasing";
    entries[1].carNumber = 9;
    EXPECT_TRUE(crossedInCarOrder(entries, 2));
}

TEST(ScanJudgement, aScanWithoutDriversEndsAtOnceWithTheBuzz) {
    TestProgram t;
    t.connectKt1();
    t.loadHeat({});
    setTransponderMode(t.program, TransponderMode::Mixed);
    ASSERT_TRUE(pressScan(t.program));
    EXPECT_FALSE(t.program.scan.on);
    EXPECT_EQ(t.program.scan.status, ScanStatus::CheckDone);
    EXPECT_EQ(t.sound.clips.back(), "sons/buzz.wav");
}

} // namespace
} // namespace racedesk
