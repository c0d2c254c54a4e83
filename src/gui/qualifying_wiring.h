#pragma once

namespace racedesk {

struct Program;
class MainWindow;

// Makes the qualifying commands of the window available: the tree's "Paramètres qualifs"
// (1055) and the menu's "Planif qualifs" (1011). The calculator's inputs live as long as the
// window, so each opening shows what the director typed last.
void wireQualifyingCommands(MainWindow& window, Program& program);

} // namespace racedesk
