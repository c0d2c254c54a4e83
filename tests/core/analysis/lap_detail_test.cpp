#include "analysis_fixtures.h"
#include "core/reports/lap_detail.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

using test::AnalysisCanvas;
using test::sameRect;

// Seven places 70 pixels apart, from 135 pixels right of the rows' left edge (60).
int placeX(int place) {
    return 60 + 135 + 70 * place;
}

AnalysisCanvas lapDetail(const DriverResult& run, int position) {
    AnalysisCanvas canvas;
    paintLapDetail(canvas, run, position);
    return canvas;
}

TEST(LapDetail, sevenLapsFromTheScrollPositionWithTheirTimes) {
    const DriverResult run = test::runOfEqualLaps(20, 61'000);
    const AnalysisCanvas c = lapDetail(run, 4);
    for (int place = 0; place < 7; ++place) {
        const std::string lap = "T" + std::to_string(5 + place);
        const auto* number = c.find(lap);
        ASSERT_NE(number, nullptr) << lap;
        EXPECT_EQ(number->x, placeX(place));
        EXPECT_GE(number->y, 380);
        EXPECT_LT(number->y, 405);
    }
    EXPECT_EQ(c.find("T4"), nullptr);
    EXPECT_EQ(c.find("T12"), nullptr);
    EXPECT_EQ(c.count("1:01.000"), 7);
    EXPECT_GE(c.find("1:01.000")->y, 405);
    EXPECT_LT(c.find("1:01.000")->y, 430);
}

TEST(LapDetail, placesBeyondTheLastLapStayBlank) {
    const DriverResult run = test::fiveLapRun();
    AnalysisCanvas c = lapDetail(run, 0);
    EXPECT_NE(c.find("T5"), nullptr);
    EXPECT_EQ(c.find("T6"), nullptr);
    EXPECT_EQ(c.texts.size(), 2u + 5u * 2u) << "the two row names and five laps";

    // At the end of its range the scroll bar shows the last lap in the sixth place.
    const DriverResult nine = test::runOfEqualLaps(9, 60'000);
    c = lapDetail(nine, lapScrollMaximum(9));
    EXPECT_EQ(c.find("T9")->x, placeX(5));
    EXPECT_EQ(c.find("T10"), nullptr);
    EXPECT_EQ(c.count("1:00.000"), 6);
}

TEST(LapDetail, theTwoRowsHaveTheirBandsAndNames) {
    const AnalysisCanvas c = lapDetail(test::fiveLapRun(), 0);
    ASSERT_GE(c.fills.size(), 2u);
    EXPECT_TRUE(sameRect(c.fills[0].rect, {60, 380, 620, 405}));
    EXPECT_TRUE(sameRect(c.fills[1].rect, {60, 405, 620, 430}));
    EXPECT_NE(c.fills[0].colour, c.fills[1].colour);
    ASSERT_NE(c.find("Tours"), nullptr);
    ASSERT_NE(c.find("Temps"), nullptr);
    EXPECT_LT(c.find("Tours")->x, placeX(0) - 70);
}

TEST(LapDetail, theRowsShowTheWholeRunWhateverTheRange) {
    // The range is not an argument: the rows are the run's.
    const AnalysisCanvas c = lapDetail(test::fiveLapRun(), 0);
    EXPECT_NE(c.find("1:01.200"), nullptr);
    EXPECT_NE(c.find("1:07.000"), nullptr);
}

TEST(LapScrollBar, hiddenUnderSevenLapsThenOneStepALapBeyondSix) {
    EXPECT_FALSE(lapScrollShown(0));
    EXPECT_FALSE(lapScrollShown(6));
    EXPECT_TRUE(lapScrollShown(7));
    EXPECT_EQ(lapScrollMaximum(7), 1);
    EXPECT_EQ(lapScrollMaximum(150), 144);
    EXPECT_EQ(lapScrollMaximum(6), 0);
}

TEST(LapScrollBar, linesMoveOneLapPagesJumpToTheEndsTheThumbSetsThePosition) {
    constexpr int laps = 20; // positions 0 to 14
    EXPECT_EQ(scrollLaps(3, LapScroll::LineRight, 0, laps), 4);
    EXPECT_EQ(scrollLaps(3, LapScroll::LineLeft, 0, laps), 2);
    EXPECT_EQ(scrollLaps(14, LapScroll::LineRight, 0, laps), 14);
    EXPECT_EQ(scrollLaps(0, LapScroll::LineLeft, 0, laps), 0);
    EXPECT_EQ(scrollLaps(3, LapScroll::PageRight, 0, laps), 14);
    EXPECT_EQ(scrollLaps(9, LapScroll::PageLeft, 0, laps), 0);
    EXPECT_EQ(scrollLaps(3, LapScroll::Thumb, 8, laps), 8);
    EXPECT_EQ(scrollLaps(3, LapScroll::Thumb, 40, laps), 14);
}

} // namespace
} // namespace racedesk
