#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Interface" (menu 1015): the decoder kind, the COM port and "Ouvrir", which runs the
// recognition on the chosen port and writes the interface settings file.
void runInterfaceDialog(Program& program, QWidget* parent);

} // namespace racedesk
