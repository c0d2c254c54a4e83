#pragma once
#include "core/platform/canvas.h"
#include "core/reports/driver_analysis.h"
#include "core/reports/lap_statistics.h"

#include <array>

namespace racedesk {

inline constexpr Colour kCurvePen = rgb(0, 180, 100);
inline constexpr int kCurvePenWidth = 2;
// Longer laps are not plotted.
inline constexpr RaceTime kUnplottedLap = 12'600'000;

// The lap times of the curve where they are drawn, so that the pointer can find them.
struct CurvePoint {
    Point at;
    int lap = 0;
    RaceTime time = 0;
    bool plotted = false;
};

struct CurvePlot {
    Point corner; // the view area's top-left corner
    CurveStatistics statistics;
    RaceTime low = 0;  // the time at the base line: the fastest lap's whole second
    RaceTime high = 0; // at the top: the slowest lap's whole second, plus one
    std::array<CurvePoint, CurveStatistics::kMaxLaps> points{};
};

CurvePlot curvePlot(const DriverResult& run, LapRange range, Point corner);

// The curve of the lap times, drawn from its area's top-left corner: the polyline, the time
// grid every half second, the lap numbers and the average.
void paintCurveView(Canvas& canvas, const CurvePlot& plot);

// The lap of the plotted point under the pointer, or 0 when there is none.
int curveLapAt(const CurvePlot& plot, Point pointer);
// The ellipse at the pointer, kept inside the plot, with the time and number of that lap.
void paintCurveHover(Canvas& canvas, const CurvePlot& plot, int lap, Point pointer);
// The ellipse's place for a pointer at 'pointer'.
Rect curveHoverBox(const CurvePlot& plot, Point pointer);

} // namespace racedesk
