#pragma once

namespace racedesk {

struct Program;
class MainWindow;

// Makes the finals commands of the window available: the tree's "Paramètres remontées"
// (1057), "Répartion séries remontées" (1058) and the closure report's "Afficher" (1059), and
// the menu's "Planif remontées" (1012), whose values live as long as the window.
void wireFinalsCommands(MainWindow& window, Program& program);

} // namespace racedesk
