#pragma once

class QWidget;

namespace racedesk {

struct Program;

// "Rapport de cloture" (tree command 1059): the category's final classification as the race
// file holds it now, in a scrolling table, with its printout. Writes nothing.
void runClosureReportDialog(Program& program, int category, QWidget* parent);

} // namespace racedesk
