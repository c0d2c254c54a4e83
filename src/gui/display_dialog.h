#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Options d'affichage" (menu 1014): edits a record of its own read from
// "Private/RéglagesAffichage.rgsc"; Ok writes it back, Echap and closing discard. The caller
// writes its record before and reads the file again after.
void runDisplayDialog(Program& program, QWidget* parent);

} // namespace racedesk
