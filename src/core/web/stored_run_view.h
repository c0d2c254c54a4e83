#pragma once
#include "core/race/detailed_results.h"
#include "core/race/heat_section.h"
#include "core/race/loaded_run.h"
#include "core/timing/ranking.h"

namespace racedesk {

// A stored heat or final as the board shows it once loaded: its slots restored and every car
// finished, ranked by the run's mode when it holds results. Large: hold it on the heap.
struct StoredRunView {
    LoadedRun titles; // the run's titles, comment and condition
    RankingMode mode = RankingMode::LapsThenTime;
    RunSummary summary;
    CarSlots slots;
    RankEntries entries;
    BoardRows rows;
    int rowCount = 0;
};

void viewStoredRun(const StoredRun& stored, RankingMode mode, StoredRunView& view);

} // namespace racedesk
