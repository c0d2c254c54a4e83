#pragma once

class QWidget;

namespace racedesk {

struct CalculatorInputs;

// "Timing des qualifications" (menu 1011): the qualifying duration calculator on `inputs`,
// which the caller keeps for the next opening. Results follow every change; nothing is
// written anywhere.
void runQualifyingCalculatorDialog(CalculatorInputs& inputs, QWidget* parent);

} // namespace racedesk
