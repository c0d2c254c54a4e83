#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Options de course remontées" (tree command 1057): the finals run parameters of
// `category`. "Valider" writes them and a final of the category on the board takes them;
// "Echap" and closing discard.
void runFinalsParametersDialog(Program& program, int category, QWidget* parent);

} // namespace racedesk
