#pragma once
#include "core/common/fixed_text.h"
#include "core/race/finals_sections.h"
#include "core/race/race_header.h"

namespace racedesk {

struct Program;

// The finals composition dialog ("Répartition remontées", tree command 1058) and the finals
// duration calculator ("Timing des remontées", menu command 1012).

struct FinalsCompositionForm {
    int category = 0; // 1 to 9
    CategoryName categoryName;
    int maxParticipants = 0; // the category's participants
    bool frozen = false;     // a final has results: the counts may no longer change
    FinalsComposition composition;
};

// The category's name, participants and finals state, and its stored composition over the
// defaults with every direct count as the counts give it. False when the file cannot be read
// (the error shown) or the race has no such category.
bool openFinalsComposition(Program& p, int category, FinalsCompositionForm& form);

// "Génerer": the category's number of finals becomes 2L + 1 and the composition is stored.
// Refused while a direct count is below 0 or the structure is invalid. True when both were
// written.
bool generateFinalsComposition(Program& p, const FinalsCompositionForm& form);

// What the window does after the dialog, whichever button closed it.
struct AfterFinalsComposition {
    bool rebuildBranch = false; // no final has results: the tree shows the finals anew
    bool boardEmptied = false;  // the final on the board goes, to be filled anew
};
// No final of the category has results: its final on the board is removed, so that it is
// filled by the new composition when loaded again. Once one has, the final on the board takes
// its level's duration from the composition.
AfterFinalsComposition afterFinalsComposition(Program& p, int category);

// The calculator's values, kept while the program runs: all 0 and no category at start.
inline constexpr int kFinalsCalculatorParticipants = 200;
struct FinalsCalculatorInputs {
    FixedText<54> category; // Windows-1252
    FinalsComposition composition = {0, 0, {}, {}, {}, {}};
};

} // namespace racedesk
