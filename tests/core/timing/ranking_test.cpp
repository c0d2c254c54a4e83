#include "core/timing/ranking.h"

#include "core/timing/run_engine.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

// Slots 1 to n hold drivers "D1", "D2" ...; each car's laps are given as lap times.
struct RankingTest : ::testing::Test {
    CarSlots slots;
    RankEntries entries;
    BoardRows rows;
    int count = 0;

    void load(int cars) {
        emptySlots(slots);
        for (int i = 0; i < cars; ++i)
            slots[std::size_t(i)].name = "D" + std::to_string(i + 1);
        resetSlots(slots);
        count = buildRankEntries(slots, entries);
        clearBoardRows(entries, count, rows);
    }
    void laps(int car, std::initializer_list<RaceTime> lapTimes) {
        CarSlot& s = slots[std::size_t(car - 1)];
        for (const RaceTime lap : lapTimes) {
            s.lapCandidate = lap;
            recordLap(s, s.totalTime + lap, StartMode::Signal);
        }
    }
    void rank(RankingMode mode = RankingMode::LapsThenTime) {
        rankRun(slots, mode, count, entries, rows);
    }
    std::vector<int> order() const {
        std::vector<int> cars;
        for (int i = 0; i < count; ++i)
            cars.push_back(entries[std::size_t(i)].carNumber);
        return cars;
    }
};

TEST_F(RankingTest, buildRankEntriesSkipsEmptySlotsAndNumbersByTheSlot) {
    emptySlots(slots);
    slots[1].name = "Bob";
    slots[4].name = "Eve";
    resetSlots(slots);
    EXPECT_EQ(buildRankEntries(slots, entries), 2);
    EXPECT_EQ(entries[0].carNumber, 2);
    EXPECT_EQ(entries[1].carNumber, 5);
    EXPECT_TRUE(entries[2].finished);
    clearBoardRows(entries, 2, rows);
    EXPECT_EQ(rows[1].position.view(), "2");
    EXPECT_EQ(rows[1].carNumber.view(), " 5 ");
    EXPECT_EQ(rows[1].name.view(), "Eve");
    EXPECT_TRUE(rows[2].name.empty());
}

TEST_F(RankingTest, moreLapsThenLessTimeThenFasterLastLapThenLaterSlot) {
    load(5);
    laps(1, {10000, 10000});        // 2 laps, 20 000
    laps(2, {9000, 10000, 10000});  // 3 laps, 29 000
    laps(3, {10000, 9000, 10000});  // 3 laps, 29 000, same last lap as car 2
    laps(4, {9500, 9000, 10500});   // 3 laps, 29 000, slower last lap
    laps(5, {12000, 12000, 12000}); // 3 laps, 36 000
    rank();
    EXPECT_EQ(order(), (std::vector<int>{3, 2, 4, 5, 1}));
}

TEST_F(RankingTest, gapsShowLapsBehindOrTimeOnTheSameLapAndZeroIsBlank) {
    load(3);
    laps(1, {10000, 10000, 10000});
    laps(2, {10000, 10500, 10000});
    laps(3, {15000});
    rank();
    ASSERT_EQ(order(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(rows[0].gapToLeader.empty());
    EXPECT_TRUE(rows[0].gapToPrevious.empty());
    EXPECT_EQ(rows[1].gapToLeader.view(), "0.500");
    EXPECT_EQ(rows[1].gapToPrevious.view(), "0.500");
    EXPECT_EQ(rows[2].gapToLeader.view(), "2t");
    EXPECT_EQ(rows[2].gapToPrevious.view(), "2t");
    EXPECT_EQ(rows[0].totalTime.view(), "0:30.000");
    EXPECT_EQ(rows[2].totalTime.view(), "0:15.000");
    EXPECT_EQ(rows[2].lastLap.view(), "15.000");
    EXPECT_TRUE(rows[2].bestLap.empty()) << "a first lap is never a best lap";
    EXPECT_EQ(rows[0].bestLap.view(), "10.000");
    EXPECT_EQ(rows[2].position.view(), "3");
    EXPECT_EQ(rows[2].carNumber.view(), " 3 ");
}

TEST_F(RankingTest, carWithoutLapsShowsBlankTimesNeverASentinel) {
    load(2);
    laps(1, {12000});
    rank();
    ASSERT_EQ(order(), (std::vector<int>{1, 2}));
    for (const auto* text : {&rows[1].totalTime, &rows[1].lastLap, &rows[1].bestLap})
        EXPECT_TRUE(text->empty()) << text->c_str();
    EXPECT_EQ(rows[1].laps.view(), "0");
    EXPECT_EQ(rows[1].gapToLeader.view(), "1t");
}

TEST_F(RankingTest, bestLapModeRanksOneLapCarsAfterBestLapsAndBeforeNoLaps) {
    load(4);
    laps(1, {12000});
    laps(2, {10000, 11000});
    laps(3, {10000, 10500, 10700});
    rank(RankingMode::BestLap);
    EXPECT_EQ(order(), (std::vector<int>{3, 2, 1, 4}));
    EXPECT_EQ(rows[1].gapToLeader.view(), "0.500");
    EXPECT_TRUE(rows[2].bestLap.empty());
    EXPECT_TRUE(rows[2].gapToLeader.empty());
    EXPECT_EQ(entries[2].bestLap, 0) << "the substitute value is never shown or kept";
}

TEST_F(RankingTest, fullTieGoesToTheLaterSlot) {
    load(3);
    laps(1, {10000, 10000});
    laps(3, {10000, 10000});
    rank();
    EXPECT_EQ(order(), (std::vector<int>{3, 1, 2}));
}

TEST_F(RankingTest, justPassedCarsKeepTheirPositionAtTheirLap) {
    load(2);
    laps(1, {10000, 10000});
    laps(2, {9000});
    rank();
    EXPECT_EQ(slots[0].positions[2], 1);
    EXPECT_EQ(slots[1].positions[1], 2);
}

TEST_F(RankingTest, singleDriverFillsOnlyTheFirstRow) {
    load(1);
    laps(1, {10000, 9000});
    rank();
    EXPECT_EQ(rows[0].name.view(), "D1");
    EXPECT_TRUE(rows[0].gapToLeader.empty());
    EXPECT_TRUE(rows[1].name.empty());
    EXPECT_TRUE(rows[1].totalTime.empty());
}

TEST_F(RankingTest, bestLapFromTableSkipsTheGridLapUnlessStaggered) {
    load(1);
    CarSlot& s = slots[0];
    s.passings = 3;
    s.cumulativeTimes[1] = 8000;
    s.cumulativeTimes[2] = 18000;
    s.cumulativeTimes[3] = 27500;
    bestLapFromTable(slots, StartMode::Signal);
    EXPECT_EQ(s.bestLapFromTable, 9500);
    bestLapFromTable(slots, StartMode::Staggered);
    EXPECT_EQ(s.bestLapFromTable, 8000);
    s.passings = 1;
    bestLapFromTable(slots, StartMode::Signal);
    EXPECT_EQ(s.bestLapFromTable, 0);
}

} // namespace
} // namespace racedesk
