#pragma once
#include "core/common/texts.h"

namespace racedesk {

// The texts of the heat composition and starting grids dialogs and of the composition
// printout. Core takes them in Windows-1252 with tx(CompositionText::...).
enum class CompositionText {
    // Composition dialog
    Caption,
    DriversPerHeat,
    Rounds,
    Generate,
    TooManyHeats,
    HeatsMustStay,

    // Composition table
    TableHeat,
    TableDriver,
    TableTransponder,
    TableFrequency,
    HeatLabel,

    // Printout
    PrintTitle,
    PrintHeat,
    PrintLine,
    PrintName,
    PrintTransponder,
    PrintFrequency,

    // Starting grids dialog
    GridsCaption,
    GridRound,
    GridsOk,
    GridsIncomplete,
    GridLetters,
    GridDuplicates,
    GridsInvalid,

    Count
};

// The text in UTF-8, as the language library defines it.
const char* textUtf8(CompositionText id);

} // namespace racedesk
