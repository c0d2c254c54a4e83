#pragma once
#include "core/race/race_tree.h"

#include <string>

namespace racedesk {

struct Program;

// A name the user typed gets ".race" unless it holds ".race" somewhere already.
std::string withRaceExtension(std::string name);

// Save (1003): the run on the board committed, then the working race file copied over the
// user race file, when the race has one. Gives false when there is none or the copy failed
// (the failure is reported).
bool saveRace(Program& p);
// Save as (1004): asks for a name; the race becomes titled with it, the run on the board is
// committed and the race saved there. Gives false when the user cancelled or the copy failed.
bool saveRaceAs(Program& p);
// What quitting, a new race and a load do when the user wants the race saved: the run on the
// board committed, then save when titled, save as otherwise. False when nothing was saved:
// the caller then goes no further.
bool saveCurrentRace(Program& p);

// New race (1001): asks whether to save the current race first, then starts an untitled race
// of one category in a new working race file. Gives its tree (the window opens its category),
// or false when the user cancelled, or asked for a save that did not happen: the current race
// then stays as it was.
bool newRace(Program& p, TreeItems& tree);

// Load (1002): asks for a race file, then whether to save the current race, then makes the
// chosen file the working race file and the race's own file. Gives the loaded race's tree,
// or false when nothing was loaded: cancelled, a save asked for that did not happen, or a
// file that cannot be read or copied (reported). The current race then stays as it was.
bool loadRace(Program& p, TreeItems& tree);

// After a crash: the crash copy, the race the program was working on when it went away, made
// the working race file again, with `userRaceFile` as its own file (empty: untitled). Gives its
// tree, or false when the crash copy cannot be read or copied (the race then stays as it is).
bool reopenCrashCopy(Program& p, const std::string& userRaceFile, TreeItems& tree);

} // namespace racedesk
