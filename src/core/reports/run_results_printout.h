#pragma once
#include "core/race/loaded_run.h"
#include "core/reports/print_document.h"
#include "core/timing/ranking.h"

#include <string_view>

namespace racedesk {

// The printed results of the run on the board, one landscape page: the titles of the loaded
// run, its summary line with the track condition, one row per car of the board (position,
// car number, driver, then laps, time and best lap as credited and as the transponder read
// them) and the comment. A run without drivers has no rows, so nothing is printed.
PrintDocument runResultsPrintout(const LoadedRun& run, std::string_view summary,
                                 const BoardRows& rows, int rowCount);

// The vertical step between two printed rows of a run of 'rows' cars: 572 units shared out.
int runResultsRowStep(int rows);

} // namespace racedesk
