#include "core/reports/analysis_drawing.h"

#include "core/common/text_builder.h"

#include <array>
#include <cmath>
#include <numbers>

namespace racedesk {
namespace {

constexpr int kPlotLeft = 48;
constexpr int kPlotWidth = 560;
constexpr int kPlotHeight = 160;
constexpr int kViewHeight = 198;
constexpr int kBaseAboveBottom = 20;
constexpr int kAxisGap = 2; // between the vertical axis and the plot's first column
constexpr int kTickLabelGap = 4;
constexpr int kHorizontalNameGap = 16; // clear of the first label, centred on the plot's edge
constexpr int kOutlinePoints = 48;

} // namespace

FontSpec analysisFont(int height, bool bold) {
    return arialFont(height, bold ? 700 : 400);
}

std::string lapTimeText(RaceTime t) {
    char text[24];
    return formatShortTime(splitTime(t), text, sizeof text);
}

std::string millisecondsText(RaceTime t) {
    char text[24];
    TextBuilder(text, sizeof text).number(t / 1000).put('.').number(t % 1000, 3);
    return text;
}

std::string tenthsText(RaceTime t) {
    char text[24];
    TextBuilder(text, sizeof text).number(t / 1000).put('.').number(t % 1000 / 100);
    return text;
}

void drawViewText(Canvas& canvas, Point at, std::string_view text, int fontHeight, Align align,
                  Colour colour) {
    canvas.text(at.x, at.y, text, analysisFont(fontHeight), colour, align, false, kWhite);
}

PlotBox plotBox(Point corner) {
    PlotBox plot;
    plot.left = corner.x + kPlotLeft;
    plot.right = plot.left + kPlotWidth;
    plot.base = corner.y + kViewHeight - kBaseAboveBottom;
    plot.top = plot.base - kPlotHeight;
    return plot;
}

void drawPlotAxes(Canvas& canvas, const PlotBox& plot, Point corner, std::string_view vertical,
                  std::string_view horizontal) {
    const int axisX = plot.left - kAxisGap;
    canvas.line({axisX, plot.base}, {axisX, plot.top - 4}, kBlack, 1, PenStyle::Solid);
    canvas.line({axisX, plot.base}, {plot.right + 4, plot.base}, kBlack, 1, PenStyle::Solid);
    drawViewText(canvas, {plot.left + kTickLabelGap, corner.y + 2}, vertical, kAxisFont);
    drawViewText(canvas, {plot.left - kHorizontalNameGap, plot.base + 7}, horizontal, kAxisFont,
                 Align::Right);
}

void drawGridLine(Canvas& canvas, const PlotBox& plot, int y, std::string_view label) {
    canvas.line({plot.left, y}, {plot.right, y}, kAnalysisGrid, 1, PenStyle::Solid);
    canvas.line({plot.left - kAxisGap - 4, y}, {plot.left - kAxisGap, y}, kBlack, 1,
                PenStyle::Solid);
    if (!label.empty())
        drawViewText(canvas, {plot.left - kAxisGap - kTickLabelGap - 2, y - kAxisFont / 2}, label,
                     kAxisFont, Align::Right);
}

void drawEllipse(Canvas& canvas, const Rect& box, Colour pen, Colour fill) {
    const double a = box.width() / 2.0;
    const double b = box.height() / 2.0;
    const double cx = box.left + a;
    const double cy = box.top + b;
    for (int y = box.top; y < box.bottom; ++y) {
        const double dy = (y + 0.5 - cy) / b;
        const int half = int(a * std::sqrt(std::max(0.0, 1.0 - dy * dy)));
        canvas.line({int(cx) - half, y}, {int(cx) + half, y}, fill, 1, PenStyle::Solid);
    }
    std::array<Point, kOutlinePoints + 1> outline;
    for (int i = 0; i <= kOutlinePoints; ++i) {
        const double angle = 2 * std::numbers::pi * i / kOutlinePoints;
        outline[std::size_t(i)] = {int(std::lround(cx + a * std::cos(angle))),
                                   int(std::lround(cy + b * std::sin(angle)))};
    }
    canvas.polyline(outline.data(), int(outline.size()), pen, 1);
}

} // namespace racedesk
