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
    case WebText::DetailedResults:
        return "Résultats détaillés";
    case WebText::NoResults:
        return "Aucun résultat enregistré.";
    case WebText::NoCategories:
        return "Aucune catégorie.";
    case WebText::LapTimes:
        return "Temps au tour";
    case WebText::PassingTimes:
        return "Temps de passage";
    case WebText::Positions:
        return "Positions";
    case WebText::ItemExportWeb:
        return "Exporter la course (web)";
    case WebText::ExportFolder:
        return "Dossier où écrire les pages de la course";
    case WebText::ExportReplace:
        return "Le dossier %s contient déjà %d des fichiers de l'exportation, dont %s.\nLes "
               "remplacer ?";
    case WebText::ExportWriting:
        return "Écriture des pages de la course...";
    case WebText::ExportDone:
        return "La course est exportée : %d pages dans le dossier %s";
    case WebText::ExportCancelled:
        return "Exportation interrompue : %d pages sur %d écrites dans le dossier %s";
    case WebText::ExportFailed:
        return "Erreur: impossible d'écrire le fichier %s ; %d pages sur %d écrites";
    case WebText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
