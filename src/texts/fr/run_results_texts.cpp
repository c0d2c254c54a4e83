#include "core/race/run_results_texts.h"

namespace racedesk {

const char* textUtf8(RunResultsText id) {
    switch (id) {
    case RunResultsText::DetailedCaption:
        return "Résultats détaillés série";
    case RunResultsText::PassingTimes:
        return "temps de passage";
    case RunResultsText::LapTimes:
        return "temps au tour";
    case RunResultsText::Positions:
        return "évolution des positions";
    case RunResultsText::LapHeading:
        return "Tour";
    case RunResultsText::LineHeading:
        return "Ligne%d";
    case RunResultsText::PrintCreditedGroup:
        return "Résultat pris en compte";
    case RunResultsText::PrintTransponderGroup:
        return "Relevés transpondeurs";
    case RunResultsText::PrintPosition:
        return "Pos";
    case RunResultsText::PrintCarNumber:
        return "N°";
    case RunResultsText::PrintDriver:
        return "Pilote";
    case RunResultsText::PrintLaps:
        return "Tours";
    case RunResultsText::PrintTime:
        return "Temps";
    case RunResultsText::PrintBestLap:
        return "Meilleur tour";
    case RunResultsText::PrintComment:
        return "Commentaire:";
    case RunResultsText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
