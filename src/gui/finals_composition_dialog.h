#pragma once

class QWidget;

namespace racedesk {

struct Program;
struct FinalsCalculatorInputs;

// "Répartition remontées" (tree command 1058): the finals composition of `category` with its
// structure and duration. "Génerer" stores it when the structure is valid; "Echap" discards.
// Afterwards the finals branch of the tree is rebuilt while no final has results, and a final
// on the board is emptied or takes its new duration.
// Gives true when the finals branch of the tree must be shown anew.
bool runFinalsCompositionDialog(Program& program, int category, QWidget* parent);

// "Timing des remontées" (menu command 1012): the same computation on `inputs`, stored
// nowhere.
void runFinalsCalculatorDialog(FinalsCalculatorInputs& inputs, QWidget* parent);

} // namespace racedesk
