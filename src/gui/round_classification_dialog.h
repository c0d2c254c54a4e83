#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Classement Manche de qualifs": round `round` of category `category` ranked afresh from its
// heats, with its points scale; "Valider" stores it, "Imprimer" prints it.
void runRoundClassificationDialog(Program& program, int category, int round, QWidget* parent);

} // namespace racedesk
