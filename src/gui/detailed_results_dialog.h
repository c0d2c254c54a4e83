#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Résultats détaillés série" (command 6103): the run on the board handed over through
// "DetailResultats.res", shown as passing times, lap times or the chart of positions.
void runDetailedResultsDialog(Program& program, QWidget* parent);

} // namespace racedesk
