#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Base de données Clubs" (menu 1007): edits the clubs file's table; Ok writes the file,
// Echap and closing discard.
void runClubsDialog(Program& program, QWidget* parent);

} // namespace racedesk
