#include "analysis_fixtures.h"
#include "core/reports/lap_statistics.h"

#include <gtest/gtest.h>

#include <array>

namespace racedesk {
namespace {

using test::fiveLapRun;
using test::runOfEqualLaps;
using test::runOfLaps;

using Counts = std::array<int, DataStatistics::kClasses>;

TEST(DataStatistics, theFiveLapRunGivesItsKnownFigures) {
    const DataStatistics s = dataStatistics(fiveLapRun(), {1, 5});
    EXPECT_EQ(s.n, 5);
    EXPECT_EQ(s.average, 62'790);
    EXPECT_EQ(s.best, 61'200);
    EXPECT_EQ(s.bestLap, 1);
    EXPECT_EQ(s.worst, 67'000);
    EXPECT_EQ(s.worstLap, 5);
    EXPECT_EQ(s.deviation, 2'165);
    const std::array<RaceTime, 10> boundaries = {61'200, 61'300, 61'400, 61'700, 62'200,
                                                 62'700, 63'200, 64'200, 65'200, 66'200};
    EXPECT_EQ(s.boundaries, boundaries);
    EXPECT_EQ(s.counts, (Counts{2, 0, 0, 1, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(s.shares, (Counts{400, 0, 0, 200, 200, 0, 0, 0, 0, 200}));
}

TEST(DataStatistics, theAverageCountsFromTheStartCrossingAndTruncates) {
    const DriverResult run = runOfLaps({1'000, 1'001, 1'001}, 5'000);
    EXPECT_EQ(dataStatistics(run, {1, 3}).average, 1'000) << "3002 / 3";
    EXPECT_EQ(dataStatistics(run, {2, 3}).average, 1'001);
}

TEST(DataStatistics, lapsOnAClassBoundaryGoToTheUpperClass) {
    const DriverResult run = runOfLaps({60'000, 60'100, 60'199, 60'200, 64'999, 65'000});
    const DataStatistics s = dataStatistics(run, {1, 6});
    EXPECT_EQ(s.boundaries[0], 60'000);
    EXPECT_EQ(s.boundaries[9], 65'000);
    EXPECT_EQ(s.counts, (Counts{1, 2, 1, 0, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(s.shares, (Counts{166, 333, 166, 0, 0, 0, 0, 0, 166, 166})) << "truncated tenths";
}

TEST(DataStatistics, theFirstBoundaryIsTheBestLapDownToATenth) {
    const DataStatistics s = dataStatistics(runOfLaps({61'299, 61'350}), {1, 2});
    EXPECT_EQ(s.boundaries[0], 61'200);
    EXPECT_EQ(s.boundaries[1], 61'300);
    EXPECT_EQ(s.counts[0], 1);
    EXPECT_EQ(s.counts[1], 1);
}

TEST(DataStatistics, oneLapIsItsOwnBestWorstAndAverage) {
    const DataStatistics s = dataStatistics(runOfLaps({61'234}), {1, 1});
    EXPECT_EQ(s.n, 1);
    EXPECT_EQ(s.best, 61'234);
    EXPECT_EQ(s.worst, 61'234);
    EXPECT_EQ(s.average, 61'234);
    EXPECT_EQ(s.deviation, 0);
    EXPECT_EQ(s.bestLap, 1);
    EXPECT_EQ(s.worstLap, 1);
    EXPECT_EQ(s.counts[0], 1);
    EXPECT_EQ(s.shares[0], 1'000);
}

TEST(DataStatistics, aRangeOfOneLapInsideTheRunTakesThatLapOnly) {
    const DataStatistics s = dataStatistics(fiveLapRun(), {3, 3});
    EXPECT_EQ(s.n, 1);
    EXPECT_EQ(s.average, 61'900);
    EXPECT_EQ(s.best, 61'900);
    EXPECT_EQ(s.bestLap, 3);
    EXPECT_EQ(s.worstLap, 3);
    EXPECT_EQ(s.boundaries[0], 61'900);
    EXPECT_EQ(s.counts[0], 1);
}

TEST(DataStatistics, equalLapsHaveNoDeviationAndReportTheFirstLap) {
    const DataStatistics s = dataStatistics(runOfEqualLaps(4, 60'000), {1, 4});
    EXPECT_EQ(s.deviation, 0);
    EXPECT_EQ(s.average, 60'000);
    EXPECT_EQ(s.bestLap, 1);
    EXPECT_EQ(s.worstLap, 1);
    EXPECT_EQ(s.counts[0], 4);
    EXPECT_EQ(s.shares[0], 1'000);
}

TEST(DataStatistics, twoEqualBestOrWorstLapsReportTheEarlierOne) {
    const DataStatistics s =
        dataStatistics(runOfLaps({61'000, 60'500, 62'000, 60'500, 62'000}), {1, 5});
    EXPECT_EQ(s.bestLap, 2);
    EXPECT_EQ(s.worstLap, 3);
}

TEST(DataStatistics, aReversedEmptyOrOutOfRunRangeGivesZeroes) {
    const DataStatistics zero;
    const DriverResult run = fiveLapRun();
    for (const LapRange range : {LapRange{4, 2}, LapRange{1, 0}, LapRange{0, 3}, LapRange{2, 6}}) {
        const DataStatistics s = dataStatistics(run, range);
        EXPECT_EQ(s.n, 0) << range.first << ".." << range.last;
        EXPECT_EQ(s.best, 0);
        EXPECT_EQ(s.average, 0);
        EXPECT_EQ(s.boundaries, zero.boundaries);
        EXPECT_EQ(s.counts, zero.counts);
    }
    EXPECT_EQ(dataStatistics(DriverResult{}, {1, 1}).n, 0) << "a run without laps";
}

TEST(DataStatistics, damagedTimesNeitherOverflowNorCrash) {
    DriverResult run;
    run.laps = 3;
    run.times = {};
    run.times[0] = -2'100'000'000;
    run.times[1] = 2'100'000'000;
    run.times[2] = -2'100'000'000;
    run.times[3] = 2'000'000'000;
    const DataStatistics s = dataStatistics(run, {1, 3});
    EXPECT_EQ(s.n, 3);
    EXPECT_LE(s.worst, 2'000'000'000);
    EXPECT_GE(s.best, -2'000'000'000);
    EXPECT_GE(s.deviation, 0);
}

TEST(HistogramStatistics, classesOf200msStartAtTheBestLapsWholeSecond) {
    const HistogramStatistics s = histogramStatistics(fiveLapRun(), {1, 5});
    EXPECT_EQ(s.n, 5);
    EXPECT_EQ(s.best, 61'200);
    EXPECT_EQ(s.average, 62'790);
    EXPECT_EQ(s.base, 61'000);
    std::array<int, 40> expected{};
    expected[1] = 2;  // 61.2 to 61.4
    expected[4] = 1;  // 61.8 to 62.0
    expected[8] = 1;  // 62.6 to 62.8
    expected[30] = 1; // 67.0 to 67.2
    EXPECT_EQ(s.counts, expected);
}

TEST(HistogramStatistics, lapsFromTheLastBoundaryOnFillTheFortiethBar) {
    const HistogramStatistics s =
        histogramStatistics(runOfLaps({61'000, 68'799, 68'800, 90'000}), {1, 4});
    EXPECT_EQ(s.counts[0], 1);
    EXPECT_EQ(s.counts[38], 1);
    EXPECT_EQ(s.counts[39], 2);
}

TEST(HistogramStatistics, anEmptyRangeGivesZeroes) {
    const HistogramStatistics s = histogramStatistics(fiveLapRun(), {3, 2});
    EXPECT_EQ(s.n, 0);
    EXPECT_EQ(s.base, 0);
    EXPECT_EQ(s.counts, (std::array<int, 40>{}));
}

TEST(CurveStatistics, theCurveTakesAtMostOneHundredAndOneLaps) {
    DriverResult run = runOfEqualLaps(160, 60'000);
    run.times[160] += 30'000; // a slow last lap, beyond the curve's laps
    const CurveStatistics s = curveStatistics(run, {10, 159});
    EXPECT_EQ(s.first, 10);
    EXPECT_EQ(s.n, 101);
    EXPECT_EQ(curveLastLap({10, 159}), 110);
    EXPECT_EQ(s.maximum, 60'000);
    EXPECT_EQ(curveLastLap({10, 160}), 110);
    EXPECT_EQ(curveLastLap({10, 40}), 40);
}

TEST(CurveStatistics, theFiveLapRunGivesItsExtremesAndAverage) {
    const CurveStatistics s = curveStatistics(fiveLapRun(), {2, 5});
    EXPECT_EQ(s.first, 2);
    EXPECT_EQ(s.n, 4);
    EXPECT_EQ(s.minimum, 61'250);
    EXPECT_EQ(s.maximum, 67'000);
    EXPECT_EQ(s.average, 63'187) << "(313 950 - 61 200) / 4, truncated";
    EXPECT_EQ(curveStatistics(fiveLapRun(), {5, 4}).n, 0);
}

} // namespace
} // namespace racedesk
