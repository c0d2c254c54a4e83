#pragma once
#include "core/qualifying/heat_composition_rules.h"
#include "core/reports/print_document.h"

namespace racedesk {

// "Qualifications : Composition des Séries": the heats of the dialog's composition on the
// shared page frame, each heat boxed, its N places one row each with the heat's label on the
// first, the rank in the heat, the name, the transponder and the first frequency (red when it
// conflicts). A page holds 40 / N heats.

inline constexpr int kCompositionPrintRowHeight = 28;
inline constexpr int kCompositionPrintHeatPadding = 5; // below a heat's last row
inline constexpr int kCompositionPrintRowsBudget = 40;

int printedHeatsPerPage(int driversPerHeat);
// The height of one heat's box.
int printedHeatHeight(int driversPerHeat);

// Only a category with participants has something to print.
bool compositionPrintable(const CompositionDialog& d);
// One row per place of every heat, for the frame's paging; the heats draw their own boxes.
PrintDocument compositionPrintout(const CompositionDialog& d);

} // namespace racedesk
