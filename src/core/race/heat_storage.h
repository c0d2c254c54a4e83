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

// The heat of `category` on the board takes the category's parameters as the race file holds
// them now, unless it is running: a run that holds results keeps them and is ranked anew by
// the new ranking mode, and the board shows the new set duration and countdown. A final, a
// heat of another category or no run at all is left alone.
void retakeQualifyingParameters(Program& p, int category);

// Empties the board: no heat loaded, the slots empty, the run neither ready nor holding
// anything to clear.
void unloadRun(Program& p);

// After a driver's details changed (p.participants read again): the participants' own
// transponders go to the car slots of the same names, the radio conflict is checked again
// and the board's rows are rebuilt, ranked when the run holds results. A running run is left
// alone.
void retakeParticipantDetails(Program& p);

} // namespace racedesk
