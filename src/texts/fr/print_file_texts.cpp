#include "core/reports/print_file_texts.h"

namespace racedesk {

const char* textUtf8(PrintFileText id) {
    switch (id) {
    case PrintFileText::Untitled:
        return "Impression";
    case PrintFileText::Participants:
        return "Liste pilotes";
    case PrintFileText::QualifyingHeats:
        return "Répartition qualifs";
    case PrintFileText::RoundClassification:
        return "Classement Manche%d";
    case PrintFileText::OverallClassification:
        return "Classement qualifs";
    case PrintFileText::RunResults:
        return "Résultats série";
    case PrintFileText::ClosureReport:
        return "Rapport clôture";
    case PrintFileText::Analysis:
        return "Analyse %s";
    case PrintFileText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
