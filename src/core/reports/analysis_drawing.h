#pragma once
#include "core/common/race_time.h"
#include "core/platform/canvas.h"

#include <string>
#include <string_view>

namespace racedesk {

// What the views of the run analysis share, on the screen as on paper.

inline constexpr Colour kAnalysisGrid = rgb(220, 220, 50);
inline constexpr Colour kAverageMark = rgb(150, 150, 0);
inline constexpr int kAxisFont = 12; // axis names, ticks and marks of the plots

FontSpec analysisFont(int height, bool bold = false);
// The short form: "1:01.200", "59.999".
std::string lapTimeText(RaceTime t);
// Seconds and milliseconds, "62.790", or seconds and tenths, "61.5".
std::string millisecondsText(RaceTime t);
std::string tenthsText(RaceTime t);
// Black by default, on a transparent background.
void drawViewText(Canvas& canvas, Point at, std::string_view text, int fontHeight,
                  Align align = Align::Left, Colour colour = kBlack);

// The plot of the histogram and the curve in a view's area: 560 pixels across from 48
// pixels right of the area's left edge, 160 pixels high on a base line 20 pixels above its
// bottom.
struct PlotBox {
    int left = 0;
    int right = 0;
    int top = 0;
    int base = 0;
    int width() const { return right - left; }
    int height() const { return base - top; }
};
PlotBox plotBox(Point corner);
// The two axes, with the name of the vertical one above it and of the horizontal one left of
// its labels.
void drawPlotAxes(Canvas& canvas, const PlotBox& plot, Point corner, std::string_view vertical,
                  std::string_view horizontal);
// A horizontal grid line across the plot, its label left of the axis.
void drawGridLine(Canvas& canvas, const PlotBox& plot, int y, std::string_view label);

// A filled ellipse inside the rectangle: the canvas has lines only, so it is filled row by row
// and outlined with a polyline.
void drawEllipse(Canvas& canvas, const Rect& box, Colour pen, Colour fill);

} // namespace racedesk
