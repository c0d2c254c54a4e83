#pragma once

namespace racedesk {

struct Program;
class MainWindow;

// The "Résultats en direct" item of the settings menu.
inline constexpr int kCmdLiveResults = 1031;

// The live results server, started at once when the working folder's settings say so, and
// the menu item of its settings dialog.
void wireLiveResults(MainWindow& window, Program& program);

} // namespace racedesk
