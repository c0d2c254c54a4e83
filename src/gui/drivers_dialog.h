#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Base de données Pilotes" (menu 1008): edits the drivers file's table; Ok writes the file,
// Echap and closing discard. Clubs no longer in the clubs file are dropped from the drivers
// when it opens.
void runDriversDialog(Program& program, QWidget* parent);

} // namespace racedesk
