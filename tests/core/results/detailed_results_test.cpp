#include "core/race/detail_results_file.h"
#include "core/race/detailed_results.h"
#include "core/timing/run_engine.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

namespace racedesk {
namespace {

using test::TempFolder;

// The slots as the dialog reads them back: names and passing times 1 to n only.
struct Slots {
    std::unique_ptr<CarSlots> slots = std::make_unique<CarSlots>();
    Slots() { emptySlots(*slots); }

    void car(int slot, const std::string& name, std::initializer_list<RaceTime> passingTimes) {
        CarSlot& s = (*slots)[std::size_t(slot - 1)];
        s.name = name;
        s.passings = int(passingTimes.size());
        int j = 1;
        for (RaceTime t : passingTimes)
            s.cumulativeTimes[std::size_t(j++)] = t;
    }
    int position(int slot, int lap) const { return positionAtLap(*slots, slot - 1, lap); }
};

TEST(LapPositions, carsAreOrderedByTheirPassingTimeOfThatLap) {
    Slots s;
    s.car(1, "Anna", {12'000, 24'500, 36'000});
    s.car(2, "Boris", {11'000, 24'000, 37'000});
    s.car(3, "Chloe", {13'000, 25'000, 35'500});
    EXPECT_EQ(s.position(2, 1), 1);
    EXPECT_EQ(s.position(1, 1), 2);
    EXPECT_EQ(s.position(3, 1), 3);
    EXPECT_EQ(s.position(3, 3), 1) << "Chloe leads at lap 3";
    EXPECT_EQ(s.position(1, 3), 2);
    EXPECT_EQ(s.position(2, 3), 3);
}

TEST(LapPositions, ofEqualTimesTheLaterSlotComesFirst) {
    Slots s;
    s.car(1, "Anna", {12'000, 24'000});
    s.car(2, "Boris", {12'500, 24'000});
    s.car(5, "Eve", {12'700, 24'000});
    EXPECT_EQ(s.position(5, 2), 1);
    EXPECT_EQ(s.position(2, 2), 2);
    EXPECT_EQ(s.position(1, 2), 3);
}

TEST(LapPositions, aMissingPassingTiesWithTheEmptySlotsAndTheLaterOnesComeFirst) {
    Slots s;
    s.car(1, "Anna", {12'000, 24'000});
    s.car(2, "Boris", {11'000});
    s.car(3, "Chloe", {13'000, 26'000});
    // At lap 2 Boris has no passing: like the 17 empty slots after his, he counts as
    // 1 500 000 000, and each of them, being later, comes before him.
    EXPECT_EQ(s.position(1, 2), 1);
    EXPECT_EQ(s.position(3, 2), 2);
    EXPECT_EQ(s.position(2, 2), 20);
    EXPECT_EQ(s.position(20, 2), 3) << "the last empty slot is the first of the tie";
}

TEST(LapPositions, aZeroTimeCountsAsMissingPastTheFirstLapOnly) {
    Slots s;
    s.car(1, "Anna", {0, 0, 30'000});
    s.car(2, "Boris", {500, 14'000, 29'000});
    EXPECT_EQ(s.position(1, 1), 1) << "a first passing at 0 is a time like any other";
    EXPECT_EQ(s.position(1, 2), 20) << "0 at lap 2 is no passing";
    EXPECT_EQ(s.position(2, 2), 1);
}

TEST(DetailedResults, theEmptySlotsGoAndTheCarsKeepTheirSlotAsLineNumber) {
    Slots s;
    s.car(3, "Chloe", {13'000, 25'000, 36'400});
    s.car(7, "Gus", {12'000, 26'500});
    auto results = std::make_unique<DetailedResults>();
    buildDetailedResults(RankingMode::BestLap, *s.slots, *results);
    EXPECT_EQ(results->mode, RankingMode::BestLap);
    ASSERT_EQ(results->carCount, 2);
    const DetailedCar& chloe = results->cars[0];
    const DetailedCar& gus = results->cars[1];
    EXPECT_EQ(chloe.name.view(), "Chloe");
    EXPECT_EQ(chloe.line, 3);
    EXPECT_EQ(gus.line, 7);
    EXPECT_EQ(chloe.passings, 3);
    EXPECT_EQ(chloe.passingTimes[3], 36'400);
    EXPECT_EQ(chloe.lapTimes[1], 13'000) << "lap 1 is the first passing time";
    EXPECT_EQ(chloe.lapTimes[2], 12'000);
    EXPECT_EQ(chloe.lapTimes[3], 11'400);
    EXPECT_EQ(gus.positions[1], 1);
    EXPECT_EQ(chloe.positions[1], 2);
    EXPECT_EQ(chloe.positions[2], 1);
    EXPECT_EQ(results->mostPassings(), 3);
    for (int i = 2; i < kCarCount; ++i) {
        EXPECT_EQ(results->cars[std::size_t(i)].name.view(), "(NA)");
        EXPECT_EQ(results->cars[std::size_t(i)].passings, 0);
    }
}

TEST(DetailResultsFile, readsBackWhatTheRunWroteAndNothingElse) {
    TempFolder folder;
    Slots s;
    s.car(1, "Anna", {12'000, 24'500});
    s.car(4, "Dan", {13'000});
    (*s.slots)[0].laps = 9; // not in the file
    const std::string file = folder.file("DetailResultats.res");
    ASSERT_TRUE(writeDetailResults(file, RankingMode::BestLap, *s.slots));
    RankingMode mode = RankingMode::LapsThenTime;
    auto read = std::make_unique<CarSlots>();
    ASSERT_TRUE(readDetailResults(file, mode, *read));
    EXPECT_EQ(mode, RankingMode::BestLap);
    EXPECT_EQ((*read)[0].name.view(), "Anna");
    EXPECT_EQ((*read)[0].passings, 2);
    EXPECT_EQ((*read)[0].cumulativeTimes[2], 24'500);
    EXPECT_EQ((*read)[0].laps, 0);
    EXPECT_EQ((*read)[3].name.view(), "Dan");
    EXPECT_EQ((*read)[3].cumulativeTimes[1], 13'000);
    EXPECT_EQ((*read)[1].name.view(), "(NA)");
    EXPECT_EQ((*read)[1].passings, 0);
}

TEST(DetailResultsFile, aCutLineKeepsItsOwnTimesAndAMissingFileIsReported) {
    TempFolder folder;
    folder.write("cut.res", "CLASSEMENTToursTemps\t\r\nAnna\t3\t1000\t\r\nBoris\t1\t900\t\r\n");
    RankingMode mode = RankingMode::BestLap;
    auto read = std::make_unique<CarSlots>();
    ASSERT_TRUE(readDetailResults(folder.file("cut.res"), mode, *read));
    EXPECT_EQ(mode, RankingMode::LapsThenTime);
    EXPECT_EQ((*read)[0].passings, 1) << "Anna's line holds one time of the three it announces";
    EXPECT_EQ((*read)[1].name.view(), "Boris");
    EXPECT_EQ((*read)[1].cumulativeTimes[1], 900);
    EXPECT_EQ((*read)[19].name.view(), "(NA)");
    EXPECT_FALSE(readDetailResults(folder.file("none.res"), mode, *read));
    EXPECT_EQ((*read)[1].name.view(), "(NA)") << "nothing is left of the file read before";
}

TEST(DetailResultsFile, onlyTheTimesReadCountAndEachIsWithinARunsRange) {
    TempFolder folder;
    folder.write("odd.res", "CLASSEMENTToursTemps\t\r\nAnna\t3\t21000\tx\t63000\t\r\n"
                            "Boris\t3\t2147483647\t-2147483647\t5000\t\r\n");
    RankingMode mode = RankingMode::BestLap;
    auto read = std::make_unique<CarSlots>();
    ASSERT_TRUE(readDetailResults(folder.file("odd.res"), mode, *read));
    EXPECT_EQ((*read)[0].passings, 1) << "the damaged second time ends Anna's passings";
    EXPECT_EQ((*read)[0].cumulativeTimes[1], 21000);
    EXPECT_EQ((*read)[1].passings, 3);
    EXPECT_EQ((*read)[1].cumulativeTimes[1], kNoTime);
    EXPECT_EQ((*read)[1].cumulativeTimes[2], 0);

    auto results = std::make_unique<DetailedResults>();
    buildDetailedResults(mode, *read, *results);
    ASSERT_EQ(results->carCount, 2);
    const DetailedCar& boris = results->cars[1];
    EXPECT_EQ(boris.lapTimes[1], kNoTime);
    EXPECT_EQ(boris.lapTimes[2], -kNoTime) << "the difference of two times in range";
    EXPECT_EQ(boris.lapTimes[3], 5000);
}

} // namespace
} // namespace racedesk
