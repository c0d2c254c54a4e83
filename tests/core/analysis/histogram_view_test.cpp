#include "analysis_fixtures.h"
#include "core/reports/analysis_views.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::AnalysisCanvas;
using test::sameRect;

constexpr Colour kBar = rgb(250, 250, 180);
constexpr Colour kGrid = rgb(220, 220, 50);
constexpr Colour kAverage = rgb(150, 150, 0);
// In the dialog's view area (30, 147) to (650, 345): bars from 48 pixels right of its left
// edge, on a base line 20 pixels above its bottom.
constexpr int kFirstBar = 78;
constexpr int kBase = 325;

AnalysisCanvas histogram(const DriverResult& run, LapRange range) {
    AnalysisCanvas canvas;
    paintAnalysisView(canvas, AnalysisView::Histogram, run, range);
    return canvas;
}

std::vector<Rect> bars(const AnalysisCanvas& c) {
    std::vector<Rect> out;
    for (const auto& f : c.frames) {
        if (f.filled && f.fill == kBar)
            out.push_back(f.rect);
    }
    return out;
}

std::vector<int> gridLines(const AnalysisCanvas& c) {
    std::vector<int> ys;
    for (const auto& l : c.lines) {
        if (l.pen == kGrid && l.from.y == l.to.y)
            ys.push_back(l.from.y);
    }
    return ys;
}

TEST(HistogramView, eachLapClassIsABarOfItsHeightIn200msSteps) {
    const AnalysisCanvas c = histogram(test::fiveLapRun(), {1, 5});
    const std::vector<Rect> drawn = bars(c);
    ASSERT_EQ(drawn.size(), 4u);
    // Classes from 61.0 s: two laps in 61.2-61.4 (the highest, 160 pixels), one lap each in
    // 61.8-62.0, 62.6-62.8 and 67.0-67.2 (80 pixels).
    EXPECT_TRUE(sameRect(drawn[0], {kFirstBar + 14, kBase - 160, kFirstBar + 14 + 13, kBase}));
    EXPECT_TRUE(sameRect(drawn[1], {kFirstBar + 56, kBase - 80, kFirstBar + 56 + 13, kBase}));
    EXPECT_TRUE(sameRect(drawn[2], {kFirstBar + 112, kBase - 80, kFirstBar + 112 + 13, kBase}));
    EXPECT_TRUE(sameRect(drawn[3], {kFirstBar + 420, kBase - 80, kFirstBar + 420 + 13, kBase}));
}

TEST(HistogramView, theTimeAxisHasSeventyPixelsASecondLabelledInSeconds) {
    const AnalysisCanvas c = histogram(test::fiveLapRun(), {1, 5});
    for (int second = 0; second <= 8; ++second) {
        const std::string label = std::to_string(61 + second) + ".0";
        const auto* t = c.find(label);
        ASSERT_NE(t, nullptr) << label;
        EXPECT_EQ(t->x, kFirstBar + 70 * second) << label;
        EXPECT_EQ(t->align, Align::Centre);
        EXPECT_GT(t->y, kBase);
    }
    int ticks = 0;
    for (const auto& l : c.lines) {
        if (l.from.x == l.to.x && l.from.y == kBase && l.to.y > kBase) {
            ++ticks;
            EXPECT_EQ((l.from.x - kFirstBar) % 14, 0);
        }
    }
    EXPECT_EQ(ticks, 41) << "a tick every 14 pixels over 40 classes";
}

TEST(HistogramView, upToTenLapsEachLapHasAGridLine) {
    const AnalysisCanvas c = histogram(test::fiveLapRun(), {1, 5});
    EXPECT_EQ(gridLines(c), (std::vector<int>{kBase - 80, kBase - 160}));
    ASSERT_NE(c.find("1"), nullptr);
    ASSERT_NE(c.find("2"), nullptr);
}

TEST(HistogramView, aboveTenLapsFiveGridLinesAreLabelledInFifths) {
    const AnalysisCanvas c = histogram(test::runOfEqualLaps(12, 60'000), {1, 12});
    EXPECT_EQ(gridLines(c),
              (std::vector<int>{kBase - 32, kBase - 64, kBase - 96, kBase - 128, kBase - 160}));
    for (const char* label : {"2", "4", "7", "9", "12"})
        EXPECT_NE(c.find(label), nullptr) << label;
    ASSERT_EQ(bars(c).size(), 1u);
    EXPECT_EQ(bars(c)[0].top, kBase - 160);
}

TEST(HistogramView, theAverageIsAVerticalLineWithItsValue) {
    const AnalysisCanvas c = histogram(test::fiveLapRun(), {1, 5});
    // 62.790 s is 1.790 s right of 61.0 s: 125 pixels.
    int marks = 0;
    for (const auto& l : c.lines) {
        if (l.pen == kAverage) {
            ++marks;
            EXPECT_EQ(l.from.x, kFirstBar + 125);
            EXPECT_EQ(l.to.x, kFirstBar + 125);
        }
    }
    EXPECT_EQ(marks, 1);
    ASSERT_NE(c.find("moy"), nullptr);
    ASSERT_NE(c.find("62.790"), nullptr);
    EXPECT_EQ(c.find("62.790")->colour, kAverage);
}

TEST(HistogramView, withoutLapsNoBarNoGridNoAverage) {
    const AnalysisCanvas c = histogram(test::fiveLapRun(), {5, 1});
    EXPECT_TRUE(bars(c).empty());
    EXPECT_TRUE(gridLines(c).empty());
    EXPECT_EQ(c.find("moy"), nullptr);
    EXPECT_NE(c.find("Tours"), nullptr) << "the axes are drawn all the same";
    EXPECT_NE(c.find("Temps"), nullptr);
}

} // namespace
} // namespace racedesk
