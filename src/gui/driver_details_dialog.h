#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Détails pilote", opened by selecting a participant: the driver's own transponder, typed or
// scanned from the decoder, and five radio frequencies. "OK" writes the participants list;
// closing the window writes nothing. The dialog has the decoder link while it is open.
void runDriverDetailsDialog(Program& program, QWidget* parent);

} // namespace racedesk
