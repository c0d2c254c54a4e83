#include "analysis_fixtures.h"
#include "core/common/cp1252.h"
#include "core/reports/driver_analysis.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

TEST(LapRangeEntry, aLapAboveTheRunsLastIsSetBackAndShownSo) {
    EXPECT_EQ(enterLastLap(999, 12).lap, 12);
    EXPECT_TRUE(enterLastLap(999, 12).rewrite);
    EXPECT_EQ(enterFirstLap(13, 12).lap, 12);
    EXPECT_TRUE(enterFirstLap(13, 12).rewrite);
}

TEST(LapRangeEntry, lapsWithinTheRunAreTakenAsTyped) {
    EXPECT_EQ(enterLastLap(12, 12).lap, 12);
    EXPECT_FALSE(enterLastLap(12, 12).rewrite);
    EXPECT_EQ(enterFirstLap(5, 12).lap, 5);
    EXPECT_FALSE(enterFirstLap(5, 12).rewrite);
    EXPECT_EQ(enterLastLap(0, 12).lap, 0) << "an empty last lap empties the range";
}

TEST(LapRangeEntry, aFirstLapOfZeroMeansLapOneWithoutRewritingTheEdit) {
    EXPECT_EQ(enterFirstLap(0, 12).lap, 1);
    EXPECT_FALSE(enterFirstLap(0, 12).rewrite);
    EXPECT_EQ(enterFirstLap(0, 0).lap, 0) << "a run without laps has no lap one";
}

TEST(LapRange, theAnalysisOpensOnTheWholeRun) {
    const LapRange range = wholeRun(test::fiveLapRun());
    EXPECT_EQ(range.first, 1);
    EXPECT_EQ(range.last, 5);
    EXPECT_TRUE(holdsLaps(test::fiveLapRun(), range));
    EXPECT_FALSE(holdsLaps(DriverResult{}, wholeRun(DriverResult{})));
}

TEST(AnalysisHeadings, theTitleAndTrackLinesJoinTheFilesTexts) {
    DriverResult run = test::fiveLapRun();
    run.runTitle = " Buggy - Manche1 - S\xE9rie2 ";
    run.circuit = "Piste du Lac";
    run.summary = "Dur\xE9"
                  "e 5:00";
    EXPECT_EQ(cp1252ToUtf8(analysisTitleLine(run)), " Buggy - Manche1 - Série2  : Jean Dupont");
    EXPECT_EQ(cp1252ToUtf8(analysisTrackLine(run)), " Piste : Piste du Lac   (Durée 5:00) ");
}

} // namespace
} // namespace racedesk
