#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Base de données Circuits" (menu 1006): edits the circuits file's own table; Ok writes the
// file, Echap and closing discard. The caller reloads its circuits afterwards.
void runCircuitsDialog(Program& program, QWidget* parent);

} // namespace racedesk
