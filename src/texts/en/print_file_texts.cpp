#include "core/reports/print_file_texts.h"

namespace racedesk {

const char* textUtf8(PrintFileText id) {
    switch (id) {
    case PrintFileText::Untitled:
        return "Printout";
    case PrintFileText::Participants:
        return "Drivers list";
    case PrintFileText::QualifyingHeats:
        return "Qualifying heats";
    case PrintFileText::RoundClassification:
        return "Classification Round%d";
    case PrintFileText::OverallClassification:
        return "Qualifying classification";
    case PrintFileText::RunResults:
        return "Heat results";
    case PrintFileText::ClosureReport:
        return "Closure report";
    case PrintFileText::Analysis:
        return "Analysis %s";
    case PrintFileText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
