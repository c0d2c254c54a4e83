#pragma once
#include "core/finals/closure_report.h"
#include "core/platform/canvas.h"
#include "core/qualifying/classification_tables.h"
#include "core/reports/print_document.h"

namespace racedesk {

// The closure report on screen, in the dialog's client pixels, and on paper.

ScreenTable closureScreenTable();
// The whole client area `client`: the background, the two titles and the table from row
// `firstRow`.
void paintClosureReport(Canvas& canvas, const ClosureReport& report, int firstRow,
                        const Rect& client);

// On the page frame, 40 rows a page; a report without rows prints nothing.
PrintDocument closureReportPrintout(const ClosureReport& report);

} // namespace racedesk
