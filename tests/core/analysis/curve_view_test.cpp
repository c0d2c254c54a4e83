#include "analysis_fixtures.h"
#include "core/common/cp1252.h"
#include "core/reports/analysis_views.h"
#include "core/reports/curve_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::AnalysisCanvas;
using test::sameRect;

constexpr Colour kCurve = rgb(0, 180, 100);
constexpr Colour kGrid = rgb(220, 220, 50);
constexpr Colour kAverage = rgb(150, 150, 0);
constexpr Point kCorner{30, 147};
constexpr int kLeft = 78; // 560 pixels across from 48 right of the area's left edge
constexpr int kBase = 325;

AnalysisCanvas curve(const DriverResult& run, LapRange range) {
    AnalysisCanvas canvas;
    paintAnalysisView(canvas, AnalysisView::Curve, run, range);
    return canvas;
}

bool samePoint(Point a, Point b) {
    return a.x == b.x && a.y == b.y;
}

TEST(CurveView, theLapTimesAreAGreenPolylineOverTheirScale) {
    const AnalysisCanvas c = curve(test::fiveLapRun(), {1, 5});
    ASSERT_EQ(c.polylines.size(), 1u);
    EXPECT_EQ(c.polylinePens[0].colour, kCurve);
    EXPECT_EQ(c.polylinePens[0].width, 2);
    // From 61.0 s on the base line to 68.0 s 160 pixels higher; five laps over 560 pixels.
    const std::vector<Point> expected = {
        {kLeft, kBase - 200 * 160 / 7000},        {kLeft + 140, kBase - 250 * 160 / 7000},
        {kLeft + 280, kBase - 900 * 160 / 7000},  {kLeft + 420, kBase - 1600 * 160 / 7000},
        {kLeft + 560, kBase - 6000 * 160 / 7000},
    };
    ASSERT_EQ(c.polylines[0].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(samePoint(c.polylines[0][i], expected[i])) << "lap " << i + 1;
}

TEST(CurveView, aGridLineEveryHalfSecondFromTheFastestLapsSecond) {
    const AnalysisCanvas c = curve(test::fiveLapRun(), {1, 5});
    std::vector<int> grid;
    for (const auto& l : c.lines) {
        if (l.pen == kGrid)
            grid.push_back(l.from.y);
    }
    ASSERT_EQ(grid.size(), 15u) << "61.0 to 68.0 s";
    for (std::size_t k = 0; k < grid.size(); ++k)
        EXPECT_EQ(grid[k], kBase - int(k) * 500 * 160 / 7000) << k;
    EXPECT_NE(c.find("61.0"), nullptr);
    EXPECT_NE(c.find("68.0"), nullptr);
}

TEST(CurveView, gridLabelsStandAFontHeightApartAndEvenlyThinned) {
    // Over a second, the three lines are 80 pixels apart: each has its label.
    AnalysisCanvas c = curve(test::runOfLaps({61'200, 61'800}), {1, 2});
    for (const char* label : {"61.0", "61.5", "62.0"})
        EXPECT_NE(c.find(label), nullptr) << label;
    // Over seven seconds they are 11 pixels apart, closer than the labels are high: every
    // second line is labelled, the whole seconds.
    c = curve(test::fiveLapRun(), {1, 5});
    for (int second = 61; second <= 68; ++second)
        EXPECT_NE(c.find(std::to_string(second) + ".0"), nullptr) << second;
    for (int second = 61; second < 68; ++second)
        EXPECT_EQ(c.find(std::to_string(second) + ".5"), nullptr) << second;
}

TEST(CurveView, atMostTwentyOneGridLines) {
    const AnalysisCanvas c = curve(test::runOfLaps({60'000, 75'000}), {1, 2});
    int grid = 0;
    for (const auto& l : c.lines)
        grid += l.pen == kGrid;
    EXPECT_EQ(grid, 21);
}

TEST(CurveView, lapNumbersRunFromTheRangesFirstLap) {
    const AnalysisCanvas c = curve(test::fiveLapRun(), {2, 5});
    for (int lap = 2; lap <= 5; ++lap) {
        const auto* t = c.find(std::to_string(lap));
        ASSERT_NE(t, nullptr) << lap;
        EXPECT_EQ(t->x, kLeft + (lap - 2) * 560 / 3);
        EXPECT_GT(t->y, kBase);
    }
    EXPECT_EQ(c.find("1"), nullptr);
}

TEST(CurveView, manyLapsAreLabelledSparingly) {
    const AnalysisCanvas c = curve(test::runOfEqualLaps(150, 60'000), {1, 150});
    ASSERT_EQ(c.polylines.size(), 1u);
    EXPECT_EQ(c.polylines[0].size(), 101u);
    int labels = 0;
    for (int lap = 1; lap <= 150; ++lap)
        labels += c.find(std::to_string(lap)) != nullptr;
    EXPECT_LE(labels, 19);
    EXPECT_GE(labels, 10);
    EXPECT_NE(c.find("1"), nullptr);
    EXPECT_EQ(c.find("102"), nullptr);
}

TEST(CurveView, theAverageIsAHorizontalLineWithItsValue) {
    const AnalysisCanvas c = curve(test::fiveLapRun(), {1, 5});
    const int y = kBase - 1790 * 160 / 7000;
    int marks = 0;
    for (const auto& l : c.lines) {
        if (l.pen == kAverage) {
            ++marks;
            EXPECT_EQ(l.from.y, y);
            EXPECT_EQ(l.to.y, y);
            EXPECT_EQ(l.from.x, kLeft);
            EXPECT_EQ(l.to.x, kLeft + 560);
        }
    }
    EXPECT_EQ(marks, 1);
    EXPECT_NE(c.find("moy"), nullptr);
    EXPECT_NE(c.find("62.790"), nullptr);
}

TEST(CurveView, aLapOfThreeAndAHalfHoursIsNotPlotted) {
    const DriverResult run = test::runOfLaps({61'000, 12'600'000, 62'000, 12'599'999});
    const AnalysisCanvas c = curve(run, {1, 4});
    ASSERT_EQ(c.polylines.size(), 2u) << "the line breaks at the unplotted lap";
    EXPECT_EQ(c.polylines[0].size(), 1u);
    EXPECT_EQ(c.polylines[1].size(), 2u);
    const CurvePlot plot = curvePlot(run, {1, 4}, kCorner);
    EXPECT_FALSE(plot.points[1].plotted);
    EXPECT_EQ(curveLapAt(plot, plot.points[1].at), 0);
}

TEST(CurveView, anEmptyRangeDrawsNoCurve) {
    const AnalysisCanvas c = curve(test::fiveLapRun(), {3, 1});
    EXPECT_TRUE(c.polylines.empty());
    EXPECT_EQ(c.find("moy"), nullptr);
}

TEST(CurveHover, thePointerFindsThePlottedPointItIsOn) {
    const CurvePlot plot = curvePlot(test::fiveLapRun(), {1, 5}, kCorner);
    const Point lap2 = plot.points[1].at;
    EXPECT_EQ(curveLapAt(plot, lap2), 2);
    EXPECT_EQ(curveLapAt(plot, {lap2.x + 4, lap2.y - 4}), 2);
    EXPECT_EQ(curveLapAt(plot, {lap2.x + 8, lap2.y}), 0);
    EXPECT_EQ(curveLapAt(plot, {kLeft + 70, 200}), 0);
}

TEST(CurveHover, theEllipseShowsTheLapAndStaysInsideThePlot) {
    const CurvePlot plot = curvePlot(test::fiveLapRun(), {1, 5}, kCorner);
    const Point last = plot.points[4].at; // lap 5, at the plot's right edge
    AnalysisCanvas c;
    paintCurveHover(c, plot, 5, last);
    const Rect box = curveHoverBox(plot, last);
    EXPECT_EQ(box.width(), 90);
    EXPECT_EQ(box.height(), 30);
    EXPECT_EQ(box.right, kLeft + 560) << "pushed back inside the plot";
    EXPECT_GE(box.top, kBase - 160);
    const auto* label = c.find("1:07.000 (T5)");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->align, Align::Centre);
    EXPECT_EQ(label->x, (box.left + box.right) / 2);
    ASSERT_EQ(c.polylines.size(), 1u) << "the outline";
    for (const Point& p : c.polylines[0]) {
        EXPECT_GE(p.x, box.left);
        EXPECT_LE(p.x, box.right);
        EXPECT_GE(p.y, box.top);
        EXPECT_LE(p.y, box.bottom);
    }
    const Point middle = plot.points[2].at;
    EXPECT_TRUE(sameRect(curveHoverBox(plot, middle),
                         {middle.x - 45, middle.y - 15, middle.x + 45, middle.y + 15}))
        << "centred on the pointer where it fits";
}

} // namespace
} // namespace racedesk
