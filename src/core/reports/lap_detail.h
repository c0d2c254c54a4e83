#pragma once
#include "core/platform/canvas.h"
#include "core/reports/driver_analysis.h"

namespace racedesk {

// The lap-by-lap area of the analysis: seven laps of the whole run at a time, whatever the
// range, scrolled lap by lap.
inline constexpr Rect kLapDetailArea{30, 370, 650, 438};
inline constexpr Rect kLapNumbersBand{60, 380, 620, 405};
inline constexpr Rect kLapTimesBand{60, 405, 620, 430};
inline constexpr int kLapsShown = 7;

// The scroll bar shows from seven laps on; its position is the number of laps scrolled.
bool lapScrollShown(int laps);
int lapScrollMaximum(int laps);

enum class LapScroll { LineLeft, LineRight, PageLeft, PageRight, Thumb };
// The position after a scroll action ('thumb' is where the thumb was dragged to).
int scrollLaps(int position, LapScroll action, int thumb, int laps);

// The two rows from lap position + 1; a place beyond the run's last lap stays blank.
void paintLapDetail(Canvas& canvas, const DriverResult& run, int position);

} // namespace racedesk
