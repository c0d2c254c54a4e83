#pragma once
#include "core/timing/car_slot.h"
#include "core/timing/journal_runs.h"
#include "core/timing/ranking.h"
#include "core/timing/run_session.h"

namespace racedesk {

// A run timed again from its journal by the program's own run engine and ranking, as the
// board held it when its records end (an interrupted run is stopped there).
struct ReplayedRun {
    RunSession run;
    CarSlots slots;
    RankEntries entries;
    int entryCount = 0;
    BoardRows rows;
};

// The replay works in a temporary folder of its own (a stop rewrites its circuits file, a
// clear its detailed results), removed after it. False when the run's records could not all
// be replayed: a Bytes record whose segments do not add up stops the replay there, and what
// came before it stays.
bool replayRun(const JournalRun& run, ReplayedRun& out);

} // namespace racedesk
