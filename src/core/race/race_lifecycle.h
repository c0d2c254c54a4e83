#pragma once
#include <string>

namespace racedesk {

struct Program;

// A name the user typed gets ".race" unless it holds ".race" somewhere already.
std::string withRaceExtension(std::string name);

// Save (1003): copies the working race file over the user race file, when the race has one.
// Gives false when there is none or the copy failed (the failure is reported).
bool saveRace(Program& p);
// Save as (1004): asks for a name; the race becomes titled with it and is saved there.
// Gives false when the user cancelled or the copy failed.
bool saveRaceAs(Program& p);
// What quitting, a new race and a load do when the user wants the race saved: save when
// titled, save as otherwise. False when nothing was saved: the caller then goes no further.
bool saveCurrentRace(Program& p);

} // namespace racedesk
