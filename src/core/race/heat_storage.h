#pragma once

namespace racedesk {

struct Program;

// The heat commit: stores the run on the board into its section when the director leaves it
// (another tree selection, a category opened, new race, load, save). A heat never run, and a
// heat of a category whose finals have begun, write nothing.
void commitHeat(Program& p);

// Loads qualifying heat h of round r of category k onto the board: its drivers placed by the
// round's grid, its stored results over them, its parameters; ready to start when it holds no
// results and the category's finals have not begun.
void loadQualifyingHeat(Program& p, int category, int round, int heat);

// Empties the board: no heat loaded, the slots empty, the run neither ready nor holding
// anything to clear.
void unloadRun(Program& p);

} // namespace racedesk
