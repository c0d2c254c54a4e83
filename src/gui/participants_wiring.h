#pragma once

namespace racedesk {

struct Program;
class MainWindow;

// The track (1053) and participants list (1054) commands of the tree, and the driver details
// that selecting a participant opens, with what the window does after each dialog.
void wireParticipants(MainWindow& window, Program& program);

} // namespace racedesk
