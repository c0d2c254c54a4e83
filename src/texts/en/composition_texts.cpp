#include "core/qualifying/composition_texts.h"

namespace racedesk {

// English build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(CompositionText id) {
    switch (id) {
    case CompositionText::Caption:
        return "Qualifying arrangement";
    case CompositionText::DriversPerHeat:
        return "Drivers per heat";
    case CompositionText::Rounds:
        return "Number of rounds";
    case CompositionText::Generate:
        return "Generate";
    case CompositionText::TooManyHeats:
        return "The number of heats generated must be 20 maximum";
    case CompositionText::HeatsMustStay:
        return "The number of heats generated must be equal to %d";

    case CompositionText::TableHeat:
        return "Heat";
    case CompositionText::TableDriver:
        return "Driver";
    case CompositionText::TableTransponder:
        return "Transp.";
    case CompositionText::TableFrequency:
        return "Freq %d";
    case CompositionText::HeatLabel:
        return "Heat %d";

    case CompositionText::PrintTitle:
        return "Qualification : Arrangement of heats";
    case CompositionText::PrintHeat:
        return "Heat";
    case CompositionText::PrintLine:
        return "Line";
    case CompositionText::PrintName:
        return "Driver Name";
    case CompositionText::PrintTransponder:
        return "Transpond.";
    case CompositionText::PrintFrequency:
        return "Freq1";

    case CompositionText::GridsCaption:
        return "Qualifying starting grids";
    case CompositionText::GridRound:
        return "Round %d";
    case CompositionText::GridsOk:
        return "OK";
    case CompositionText::GridsIncomplete:
        return "Some grids are not complete";
    case CompositionText::GridLetters:
        return "Letters must be entered between A and %c";
    case CompositionText::GridDuplicates:
        return "There are duplicates";
    case CompositionText::GridsInvalid:
        return "Error: data entered is not correct !\n\n    %s\n    %s\n    %s";

    case CompositionText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
