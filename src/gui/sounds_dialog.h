#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Options du son" (menu 1013): edits a copy of the sound settings file's keys; Ok writes the
// file, Echap and closing discard. The caller reads the file again afterwards.
void runSoundsDialog(Program& program, QWidget* parent);

} // namespace racedesk
