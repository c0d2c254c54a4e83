#pragma once
#include "core/race/race_tree.h"
#include "core/timing/journal_runs.h"

#include <vector>

namespace racedesk {

struct Program;

// The run a journal ends with when the program went away during it: a qualifying heat or a
// final started and neither stopped, cleared, committed nor declined since. False when there
// is none.
bool findInterruptedRun(const std::vector<JournalRun>& runs, JournalRun& interrupted);

// At start-up, when the latest journals end with an interrupted run: "La série ... a été
// interrompue à ... : la reprendre ?". Yes: the race it belonged to is reopened from the crash
// copy, the heat or final loaded, and every lap the journal recorded before the interruption put
// back on the board, the run stopped; gives the race's tree. No: the answer is journaled, so the
// question is not asked again for that run, and nothing else changes.
bool offerInterruptedRun(Program& p, TreeItems& tree);

// The heat or final loaded on the board (the race already open) given the laps of the replayed run,
// stopped, its results waiting to be committed. False when the loaded heat is not the run's.
bool restoreInterruptedRun(Program& p, const JournalRun& run);

} // namespace racedesk
