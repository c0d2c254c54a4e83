#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Grilles de départs des qualifications" of `category`: one field per round (4601 to 4609)
// and "OK", which validates and writes the grids; closed otherwise, it writes the default
// grids when none were stored for this composition.
void runStartingGridsDialog(Program& program, QWidget* parent, int category);

} // namespace racedesk
