#pragma once

namespace racedesk {

struct Program;

// The main window's own tables, read anew after their dialogs. A file that cannot be read is
// reported and leaves the table empty.

// The circuits, and the race's circuit found again among them by the name the race file gives
// it: the dialog may have moved, renamed or removed it.
void reloadCircuits(Program& p);
void reloadTransponderPacks(Program& p);

} // namespace racedesk
