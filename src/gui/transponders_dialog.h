#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Base de données Transpondeurs" (menu 1009): the numbers of the 20 club packs, edited in a
// table of the dialog's own; Ok writes the file, Echap and closing discard. The pack names come
// with the file and are not edited. The caller reloads its packs afterwards.
void runTranspondersDialog(Program& program, QWidget* parent);

} // namespace racedesk
