#include "core/qualifying/round_classification.h"

#include "classification_entries.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::namesOf;
using test::pointsOf;
using test::Result;
using test::roundOf;
using Names = std::vector<std::string>;
using Points = std::vector<int>;

std::unique_ptr<RoundClassification> ranked(const std::vector<Result>& results, int participants,
                                            RankingMode mode = RankingMode::LapsThenTime) {
    auto round = roundOf(results, mode);
    round->scale = defaultPointsScale(participants);
    rankRound(*round, participants);
    return round;
}

TEST(RoundPoints, tenParticipantsOnTheDefaultScaleGetFifteenDownToFive) {
    std::vector<Result> results;
    for (int i = 0; i < 10; ++i)
        results.push_back({"D" + std::to_string(i), 20 - i, 300000, 25000});
    const auto round = ranked(results, 10);
    EXPECT_EQ(pointsOf(*round, 10), (Points{15, 13, 12, 11, 10, 9, 8, 7, 6, 5}));
    EXPECT_EQ(round->entries[10].points, 0) << "no place beyond P";
}

TEST(RoundPoints, eachGapOfTheScaleTakesItsOwnPlace) {
    auto round = roundOf({{"A", 9}, {"B", 8}, {"C", 7}, {"D", 6}, {"E", 5}, {"F", 4}, {"G", 3}});
    for (RoundEntry& e : round->entries)
        e.totalTime = e.name.empty() ? kNoTime : 100000;
    round->scale = {40, 7, 5, 3, 2, 4};
    computeRoundPoints(*round, 7);
    EXPECT_EQ(pointsOf(*round, 7), (Points{40, 33, 28, 25, 23, 19, 15}));
}

TEST(RoundPoints, equalLapsAndTimeShareThePointsAndTheNextKeepsItsOwnPlace) {
    const auto round = ranked({{"A", 10, 300000, 29000},
                               {"B", 10, 300000, 28000},
                               {"C", 10, 300000, 27000},
                               {"D", 9, 290000, 26000},
                               {"E", 8, 280000, 25000}},
                              5);
    EXPECT_EQ(namesOf(*round, 5), (Names{"C", "B", "A", "D", "E"})) << "best lap splits the tie";
    EXPECT_EQ(pointsOf(*round, 5), (Points{10, 10, 10, 6, 5}));
}

TEST(RoundPoints, inBestLapModeAnEqualBestLapSharesThePoints) {
    const auto round =
        ranked({{"A", 10, 300000, 25000}, {"B", 11, 310000, 25000}, {"C", 12, 320000, 24000}}, 3,
               RankingMode::BestLap);
    EXPECT_EQ(namesOf(*round, 3), (Names{"C", "B", "A"})) << "equal best lap: more laps first";
    EXPECT_EQ(pointsOf(*round, 3), (Points{8, 6, 6}));
}

TEST(RoundPoints, negativePointsBecomeZero) {
    auto round = roundOf({{"A", 3, 1000, 300}, {"B", 2, 1000, 300}, {"C", 1, 1000, 300}});
    round->scale = defaultPointsScale(3);
    round->scale.first = 2;
    computeRoundPoints(*round, 3);
    EXPECT_EQ(pointsOf(*round, 3), (Points{2, 0, 0}));
}

TEST(RoundPoints, aDriverWhoDidNotRunAndAnEmptyPlaceGetNothing) {
    const auto round = ranked({{"Ran", 1, 40000, 40000}, {"Stayed", 0, 0, 0}}, 4);
    EXPECT_EQ(namesOf(*round, 4), (Names{"Ran", "Stayed", "", ""}));
    EXPECT_EQ(pointsOf(*round, 4), (Points{9, 0, 0, 0}));
}

TEST(RoundSort, missingTimesComeAfterEveryTimeAndAreZeroAgainAfterwards) {
    const auto round = ranked({{"NoLaps", 0, 0, 0},
                               {"NoBest", 5, 100000, 0},
                               {"WithBest", 5, 100000, 19000},
                               {"SlowStart", 0, 5000, 0}},
                              4);
    EXPECT_EQ(namesOf(*round, 5), (Names{"WithBest", "NoBest", "SlowStart", "NoLaps", ""}));
    const RoundEntry& noLaps = round->entries[3];
    EXPECT_EQ(noLaps.totalTime, 0);
    EXPECT_EQ(noLaps.bestLap, 0);
    EXPECT_EQ(round->entries[1].bestLap, 0);
    EXPECT_EQ(round->entries[4].totalTime, kNoTime) << "a never-filled entry keeps its values";
}

TEST(RoundSort, bestLapModeRanksByBestLapThenLapsThenTime) {
    const auto round = ranked({{"NoBest", 20, 100000, 0},
                               {"Slow", 3, 90000, 30000},
                               {"FastFewLaps", 2, 60000, 20000},
                               {"FastManyLaps", 4, 120000, 20000},
                               {"FastQuicker", 4, 110000, 20000}},
                              5, RankingMode::BestLap);
    EXPECT_EQ(namesOf(*round, 5),
              (Names{"FastQuicker", "FastManyLaps", "FastFewLaps", "Slow", "NoBest"}));
}

TEST(RoundSort, ofTwoCompletelyEqualEntriesTheLaterOneComesFirst) {
    const auto round = ranked({{"First", 5, 1000, 100}, {"Second", 5, 1000, 100}}, 2);
    EXPECT_EQ(namesOf(*round, 2), (Names{"Second", "First"}));
}

TEST(RoundEntries, heatsFollowOneAnotherWithTheirFirstNLinesAndEmptySlotsUnnamed) {
    RoundClassification round;
    clearRoundEntries(round);
    StoredRun first;
    first.cars[0].name = "Alice";
    first.cars[0].laps = 12;
    first.cars[0].totalTime = 300500;
    first.cars[0].bestLap = 24100;
    first.cars[2].name = "Beyond N";
    StoredRun second;
    second.cars[0].name = "Bob";
    int next = addHeatEntries(round, 0, first, 2);
    EXPECT_EQ(next, 2);
    next = addHeatEntries(round, next, second, 2);
    EXPECT_EQ(next, 4);
    EXPECT_EQ(namesOf(round, 5), (Names{"Alice", "", "Bob", "", ""}));
    EXPECT_EQ(round.entries[0].laps, 12);
    EXPECT_EQ(round.entries[0].totalTime, 300500);
    EXPECT_EQ(round.entries[0].bestLap, 24100);
    EXPECT_EQ(round.entries[1].totalTime, kNoTime) << "an empty slot is stored without times";
    EXPECT_EQ(driversNotRun(round, 5), 3);
    EXPECT_EQ(driversNotRun(round, 1), 0);
}

TEST(RoundEntries, entriesStopAtTheTablesEnd) {
    RoundClassification round;
    clearRoundEntries(round);
    StoredRun heat;
    for (HeatRecordLine& car : heat.cars)
        car.name = "Driver";
    int next = 0;
    for (int h = 0; h < 12; ++h)
        next = addHeatEntries(round, next, heat, 20);
    EXPECT_EQ(next, kMaxRoundEntries);
    EXPECT_EQ(round.entries[kMaxRoundEntries - 1].name, "Driver");
}

} // namespace
} // namespace racedesk
