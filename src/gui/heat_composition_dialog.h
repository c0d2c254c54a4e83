#pragma once
#include "core/qualifying/heat_composition_rules.h"

class QWidget;

namespace racedesk {

struct Program;

// "Répartition qualifications" (command 1056) of `category`: the composition table with its
// arrows and scroll bar, the numbers of drivers per heat and of rounds, "Imprimer", "Générer"
// and "Echap". Gives the dialog's state as it closed, for what follows it; whatever way other
// than "Générer" it closed, the category table's numbers are as they were.
CompositionDialog runHeatCompositionDialog(Program& program, QWidget* parent, int category);

} // namespace racedesk
