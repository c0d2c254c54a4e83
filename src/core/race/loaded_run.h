#pragma once
#include "core/common/fixed_text.h"

namespace racedesk {

// What the board holds: the heat or final loaded from the race, and what its commit needs.
struct LoadedRun {
    // The section of the heat or final ("Catégorie%dM%dS%d" ...), Windows-1252; empty when
    // nothing is loaded.
    FixedText<48> sectionTitle;
    int category = 0; // 1 to 9
    int itemCode = 0; // the tree item's code
    int round = 0;    // qualifying heats
    int heat = 0;
    int finalIndex = 0;         // finals: 0 the Final, 2·L − 1 the 1/2^L A, 2·L its B
    int finalLevels = 0;        // the category's levels below the Final when the final was loaded
    int finalState = 0;         // as its section holds it: 0 not stored, 1 stored, 2 used above
    bool commitPending = false; // the section held results, or the run has made some
    bool holdsResults = false;
    bool readOnly = false;
    bool editingResults = false; // results edited on the board: the run cannot start again
    // Stored with the results, beside the run header (the summary line).
    FixedText<99> comment;
    FixedText<6> condition{"Sec"};
    // Titles of the run for the board and its printouts.
    FixedText<120> runTitle;      // " %s - Manche%d - Série%d "
    FixedText<120> categoryTitle; // "CATEGORIE : %s"
    FixedText<120> runKindTitle;  // "Qualifications : Manche%d - Série%d", "Remontées : 1/%dA"
    FixedText<120> raceLine;      // "Course : %s - %s"

    bool loaded() const { return !sectionTitle.empty(); }
};

} // namespace racedesk
