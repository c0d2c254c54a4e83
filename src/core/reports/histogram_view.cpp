#include "core/reports/histogram_view.h"

#include "core/reports/analysis_drawing.h"
#include "core/reports/analysis_texts.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace racedesk {
namespace {

constexpr int kBarWidth = 13;
constexpr int kBarPitch = 14;
constexpr int kSecondTicks = 70; // pixels between labelled ticks: one second
constexpr int kSmallTick = 3;
constexpr int kLongTick = 6;
constexpr int kMaxLapGrid = 10;    // up to this many laps, one grid line a lap
constexpr int kCountGridLines = 5; // above it, five lines labelled in fifths
constexpr int kLabelDrop = 7;      // from the base line to the tick labels' top

// Where a time stands on the time axis: 70 pixels a second from the first class.
int histogramX(Point corner, const HistogramStatistics& statistics, RaceTime t) {
    const std::int64_t x = std::int64_t{t} - statistics.base;
    return plotBox(corner).left + int(std::clamp<std::int64_t>(x * 35 / 500, -10000, 10000));
}

int highestCount(const HistogramStatistics& s) {
    return *std::max_element(s.counts.begin(), s.counts.end());
}

void drawTimeAxis(Canvas& canvas, const PlotBox& plot, const HistogramStatistics& s) {
    for (int x = plot.left; x <= plot.right; x += kBarPitch) {
        const bool second = (x - plot.left) % kSecondTicks == 0;
        canvas.line({x, plot.base}, {x, plot.base + (second ? kLongTick : kSmallTick)}, kBlack, 1,
                    PenStyle::Solid);
        if (second && s.n > 0) {
            const int seconds = (x - plot.left) / kSecondTicks;
            drawViewText(canvas, {x, plot.base + kLabelDrop}, tenthsText(s.base + seconds * 1000),
                         kAxisFont, Align::Centre);
        }
    }
}

void drawCountGrid(Canvas& canvas, const PlotBox& plot, int highest) {
    if (highest <= kMaxLapGrid) {
        for (int laps = 1; laps <= highest; ++laps)
            drawGridLine(canvas, plot, plot.base - laps * plot.height() / highest,
                         std::to_string(laps));
        return;
    }
    const int step = plot.height() / kCountGridLines;
    for (int line = 1; line <= kCountGridLines; ++line)
        drawGridLine(canvas, plot, plot.base - line * step,
                     std::to_string(line * highest / kCountGridLines));
}

void drawBars(Canvas& canvas, const PlotBox& plot, const HistogramStatistics& s, int highest) {
    for (int bar = 0; bar < HistogramStatistics::kBars; ++bar) {
        const int count = s.counts[std::size_t(bar)];
        if (count == 0)
            continue;
        const int left = plot.left + bar * kBarPitch;
        const int height = count * plot.height() / highest;
        canvas.frameRect({left, plot.base - height, left + kBarWidth, plot.base},
                         kHistogramBarOutline, 1, true, kHistogramBar);
    }
}

// A vertical line through the plot, its name and value beside its top.
void drawAverage(Canvas& canvas, Point corner, const PlotBox& plot, const HistogramStatistics& s) {
    const int x = histogramX(corner, s, s.average);
    if (x < plot.left || x > plot.right)
        return;
    canvas.line({x, plot.base}, {x, plot.top - 4}, kAverageMark, 1, PenStyle::Solid);
    const Align side = x > plot.right - 60 ? Align::Right : Align::Left;
    const int textX = side == Align::Left ? x + 3 : x - 3;
    drawViewText(canvas, {textX, plot.top}, tx(AnalysisText::Average), kAxisFont, side,
                 kAverageMark);
    drawViewText(canvas, {textX, plot.top + kAxisFont}, millisecondsText(s.average), kAxisFont,
                 side, kAverageMark);
}

} // namespace

void paintHistogramView(Canvas& canvas, Point corner, const HistogramStatistics& statistics) {
    const PlotBox plot = plotBox(corner);
    const int highest = statistics.n > 0 ? highestCount(statistics) : 0;
    if (highest > 0) {
        drawCountGrid(canvas, plot, highest);
        drawBars(canvas, plot, statistics, highest);
        drawAverage(canvas, corner, plot, statistics);
    }
    drawPlotAxes(canvas, plot, corner, tx(AnalysisText::AxisLaps), tx(AnalysisText::AxisTime));
    drawTimeAxis(canvas, plot, statistics);
}

} // namespace racedesk
