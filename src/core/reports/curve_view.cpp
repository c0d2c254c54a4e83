#include "core/reports/curve_view.h"

#include "core/reports/analysis_drawing.h"
#include "core/reports/analysis_texts.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace racedesk {
namespace {

constexpr RaceTime kGridStep = 500;
constexpr int kMaxGridLines = 21;
constexpr int kMaxLapLabels = 19;
constexpr int kLabelDrop = 7;  // from the base line to the lap numbers' top
constexpr int kPointReach = 4; // how near the pointer must come to a point
constexpr int kHoverWidth = 90;
constexpr int kHoverHeight = 30;
constexpr int kHoverFont = 12;

// Where a time stands on the vertical scale, from low on the base line to high at the top.
int curveY(const CurvePlot& plot, RaceTime t) {
    const PlotBox box = plotBox(plot.corner);
    const std::int64_t span = std::max<std::int64_t>(1, std::int64_t{plot.high} - plot.low);
    const std::int64_t up = (std::int64_t{t} - plot.low) * box.height() / span;
    return box.base - int(std::clamp<std::int64_t>(up, -10000, 10000));
}

int curveX(const PlotBox& box, int index, int count) {
    if (count < 2)
        return box.left;
    return box.left + index * box.width() / (count - 1);
}

// Every line is labelled when the lines stand a font's height apart; otherwise every second,
// third... line, so that the labels never run into one another.
int labelStride(const CurvePlot& plot, const PlotBox& box) {
    const std::int64_t span = std::int64_t{plot.high} - plot.low;
    const std::int64_t room = std::int64_t{kGridStep} * box.height(); // spacing x span
    return int(std::max<std::int64_t>(1, (kAxisFont * span + room - 1) / room));
}

void drawTimeGrid(Canvas& canvas, const CurvePlot& plot, const PlotBox& box) {
    const int stride = labelStride(plot, box);
    for (int line = 0; line < kMaxGridLines; ++line) {
        const RaceTime t = plot.low + kGridStep * line;
        if (t > plot.high)
            break;
        drawGridLine(canvas, box, curveY(plot, t),
                     line % stride == 0 ? tenthsText(t) : std::string());
    }
}

void drawLapNumbers(Canvas& canvas, const CurvePlot& plot, const PlotBox& box) {
    const int n = plot.statistics.n;
    const int step = (n + kMaxLapLabels - 1) / kMaxLapLabels;
    for (int i = 0; i < n; i += step) {
        const int x = curveX(box, i, n);
        canvas.line({x, box.base}, {x, box.base + 3}, kBlack, 1, PenStyle::Solid);
        drawViewText(canvas, {x, box.base + kLabelDrop}, std::to_string(plot.statistics.first + i),
                     kAxisFont, Align::Centre);
    }
}

// Runs of plotted points are joined; an unplotted lap breaks the line.
void drawPolyline(Canvas& canvas, const CurvePlot& plot) {
    std::vector<Point> run;
    const auto flush = [&] {
        if (!run.empty())
            canvas.polyline(run.data(), int(run.size()), kCurvePen, kCurvePenWidth);
        run.clear();
    };
    for (int i = 0; i < plot.statistics.n; ++i) {
        const CurvePoint& p = plot.points[std::size_t(i)];
        if (p.plotted)
            run.push_back(p.at);
        else
            flush();
    }
    flush();
}

void drawAverage(Canvas& canvas, const CurvePlot& plot, const PlotBox& box) {
    const int y = curveY(plot, plot.statistics.average);
    canvas.line({box.left, y}, {box.right, y}, kAverageMark, 1, PenStyle::Solid);
    const std::string value = millisecondsText(plot.statistics.average);
    const int top = y - kAxisFont - 1;
    drawViewText(canvas, {box.right, top}, value, kAxisFont, Align::Right, kAverageMark);
    const int valueWidth = canvas.textWidth(value, analysisFont(kAxisFont));
    drawViewText(canvas, {box.right - valueWidth - 4, top}, tx(AnalysisText::Average), kAxisFont,
                 Align::Right, kAverageMark);
}

} // namespace

CurvePlot curvePlot(const DriverResult& run, LapRange range, Point corner) {
    CurvePlot plot;
    plot.corner = corner;
    plot.statistics = curveStatistics(run, range);
    const CurveStatistics& s = plot.statistics;
    if (s.n == 0)
        return plot;
    plot.low = s.minimum / 1000 * 1000;
    plot.high = s.maximum / 1000 * 1000 + 1000;
    const PlotBox box = plotBox(corner);
    for (int i = 0; i < s.n; ++i) {
        CurvePoint& p = plot.points[std::size_t(i)];
        p.lap = s.first + i;
        p.time = lapTime(run, p.lap);
        p.plotted = p.time < kUnplottedLap;
        p.at = {curveX(box, i, s.n), curveY(plot, p.time)};
    }
    return plot;
}

void paintCurveView(Canvas& canvas, const CurvePlot& plot) {
    const PlotBox box = plotBox(plot.corner);
    if (plot.statistics.n > 0) {
        drawTimeGrid(canvas, plot, box);
        drawAverage(canvas, plot, box);
        drawLapNumbers(canvas, plot, box);
        drawPolyline(canvas, plot);
    }
    drawPlotAxes(canvas, box, plot.corner, tx(AnalysisText::AxisTime), tx(AnalysisText::AxisLaps));
}

int curveLapAt(const CurvePlot& plot, Point pointer) {
    for (int i = 0; i < plot.statistics.n; ++i) {
        const CurvePoint& p = plot.points[std::size_t(i)];
        if (p.plotted && std::abs(p.at.x - pointer.x) <= kPointReach &&
            std::abs(p.at.y - pointer.y) <= kPointReach)
            return p.lap;
    }
    return 0;
}

Rect curveHoverBox(const CurvePlot& plot, Point pointer) {
    const PlotBox box = plotBox(plot.corner);
    const int left = std::clamp(pointer.x - kHoverWidth / 2, box.left, box.right - kHoverWidth);
    const int top = std::clamp(pointer.y - kHoverHeight / 2, box.top, box.base - kHoverHeight);
    return {left, top, left + kHoverWidth, top + kHoverHeight};
}

void paintCurveHover(Canvas& canvas, const CurvePlot& plot, int lap, Point pointer) {
    const int index = lap - plot.statistics.first;
    if (index < 0 || index >= plot.statistics.n)
        return;
    const CurvePoint& p = plot.points[std::size_t(index)];
    const Rect box = curveHoverBox(plot, pointer);
    drawEllipse(canvas, box, kBlack, kWhite);
    char number[32];
    std::snprintf(number, sizeof number, tx(AnalysisText::HoverLap), lap);
    drawViewText(canvas,
                 {(box.left + box.right) / 2, box.top + (kHoverHeight - kHoverFont) / 2 - 1},
                 lapTimeText(p.time) + number, kHoverFont, Align::Centre);
}

} // namespace racedesk
