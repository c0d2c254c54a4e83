#pragma once
#include "core/race/detailed_results_view.h"
#include "core/reports/print_document.h"

#include <string_view>

namespace racedesk {

// The passing times or the lap times table of the detailed results dialog as a list to export:
// one row per lap up to the most passings of a car, the lap's number then each car's time as
// the dialog shows it. Named after the view and the run ("Buggy 1/8 - Manche2 - Série1").
// The position chart is no table: it gives a list without columns, which exports nothing.
PrintDocument detailedResultsTable(const DetailedResults& results, DetailView view,
                                   std::string_view runTitle);

} // namespace racedesk
