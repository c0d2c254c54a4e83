#pragma once

namespace racedesk {

struct Program;
class MainWindow;

// Makes the tree's "Répartion séries qualifs" (1056) available: the composition dialog, then
// the starting grids dialog, the qualifying branch of the tree built again and a heat still
// without passings taken off the board.
void wireCompositionCommands(MainWindow& window, Program& program);

} // namespace racedesk
