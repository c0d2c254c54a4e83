#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Base de données Fréquences radio" (menu 1010): edits the frequencies file's list; Ok writes
// the file, Echap and closing discard.
void runFrequenciesDialog(Program& program, QWidget* parent);

} // namespace racedesk
