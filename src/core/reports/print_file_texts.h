#pragma once
#include "core/common/texts.h"

namespace racedesk {

// What the print dialog names the PDF file of each printout.
enum class PrintFileText {
    Untitled,
    Participants,
    QualifyingHeats,
    RoundClassification, // the round's number
    OverallClassification,
    RunResults,
    ClosureReport,
    Analysis, // the driver's name
    Count
};

const char* textUtf8(PrintFileText id);

} // namespace racedesk
