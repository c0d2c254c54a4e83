#pragma once

class QString;

namespace racedesk {

struct Program;
class MainWindow;

// The run results views of the window: "Modifier résultats série" (6102) and its fields over
// the board, "Résultats détaillés série" (6103), the print button (6000) and the Ctrl+click on
// a board row that opens the driver analysis.
void wireResultsCommands(MainWindow& window, Program& program, const QString& workingFolder);

} // namespace racedesk
