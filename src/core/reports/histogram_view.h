#pragma once
#include "core/platform/canvas.h"
#include "core/reports/lap_statistics.h"

namespace racedesk {

inline constexpr Colour kHistogramBar = rgb(250, 250, 180);
inline constexpr Colour kHistogramBarOutline = rgb(150, 150, 0);

// The histogram of the lap times, drawn from the top-left corner of its area: 40 bars of
// 200 ms, the time axis at 70 pixels a second, the laps axis, the average.
void paintHistogramView(Canvas& canvas, Point corner, const HistogramStatistics& statistics);

} // namespace racedesk
