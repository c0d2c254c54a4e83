#pragma once
#include "core/platform/canvas.h"
#include "core/reports/driver_analysis.h"
#include "core/reports/lap_statistics.h"

#include <string_view>

namespace racedesk {

// The three views of the run analysis; the dialog reopens on the one last used.
enum class AnalysisView { Data = 0, Histogram = 1, Curve = 2 };

// The dialog's painted areas, in client pixels.
inline constexpr Rect kTitleBand{30, 10, 650, 60};
inline constexpr Rect kViewArea{30, 147, 650, 345};
inline constexpr Colour kViewBackground = rgb(240, 240, 220);
inline constexpr Colour kNameBackground = rgb(250, 250, 200);
inline constexpr Colour kClassHeader = rgb(250, 250, 200);
inline constexpr Colour kClassBody = rgb(250, 250, 230);
inline constexpr Colour kClassRule = rgb(220, 220, 100);

// The driver's name, centred in the title band.
void paintTitleBand(Canvas& canvas, std::string_view driverName);

// Each view is drawn from the top-left corner of its area, on the screen as on paper.
// The figures of the data view and its table of classes.
void paintDataView(Canvas& canvas, Point corner, const DataStatistics& statistics);

// The view area of the dialog: its background and the chosen view of the range.
void paintAnalysisView(Canvas& canvas, AnalysisView view, const DriverResult& run, LapRange range);

} // namespace racedesk
