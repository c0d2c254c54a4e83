#pragma once
#include "core/platform/canvas.h"
#include "core/reports/driver_analysis.h"
#include "core/reports/print_document.h"

namespace racedesk {

// The analysis is laid out in a window of 630 x 1120 units; the print frame, laid out for
// 900 x 1600, is drawn in its own window over the same page, so it is scaled to fit.
inline constexpr int kAnalysisPageWidth = 630;
inline constexpr int kAnalysisPageHeight = 1120;

// The whole analysis of the range on one portrait page of the print frame, without a date
// line or a page number.
PrintDocument analysisPrintout(const DriverResult& run, LapRange range);

// What the page holds inside the frame: the logo, the headings and the three boxes.
void drawAnalysisPage(Canvas& canvas, const DriverResult& run, LapRange range);

} // namespace racedesk
