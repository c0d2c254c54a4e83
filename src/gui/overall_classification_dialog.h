#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Classement Global qualifs": the category ranked on the points of its best rounds;
// "Valider" stores the order and opens the finals (finals state 1), "Imprimer" prints it.
void runOverallClassificationDialog(Program& program, int category, QWidget* parent);

} // namespace racedesk
