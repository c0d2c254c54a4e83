#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Options de course qualifications" (tree command 1055): the qualifying parameters of
// `category`. "Valider" writes them into the race file and the category's heat on the board
// takes them; "Echap" and closing discard.
void runQualifyingParametersDialog(Program& program, int category, QWidget* parent);

} // namespace racedesk
