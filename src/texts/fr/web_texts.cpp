#include "core/web/web_texts.h"

namespace racedesk {

// French build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(WebText id) {
    switch (id) {
    case WebText::Language:
        return "fr";
    case WebText::LiveBoard:
        return "Tableau en direct";
    case WebText::Meeting:
        return "Course";
    case WebText::Categories:
        return "Catégories";
    case WebText::Participants:
        return "Pilotes";
    case WebText::Qualifying:
        return "Qualifications";
    case WebText::Round:
        return "Manche %d";
    case WebText::Heat:
        return "Série %d";
    case WebText::RoundClassification:
        return "Classement de la manche %d";
    case WebText::OverallClassification:
        return "Classement général des qualifications";
    case WebText::Finals:
        return "Remontées";
    case WebText::ClosureReport:
        return "Rapport de clôture";
    case WebText::Results:
        return "Résultats";
    case WebText::DetailedResults:
        return "Résultats détaillés";
    case WebText::NoResults:
        return "Aucun résultat enregistré.";
    case WebText::NoCategories:
        return "Aucune catégorie.";
    case WebText::Lap:
        return "Tour";
    case WebText::LapTimes:
        return "Temps au tour";
    case WebText::PassingTimes:
        return "Temps de passage";
    case WebText::Positions:
        return "Positions";
    case WebText::BackToMeeting:
        return "Retour à la course";
    case WebText::BackToCategory:
        return "Retour à la catégorie";
    case WebText::ExportedOn:
        return "Exporté le %s";
    case WebText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
