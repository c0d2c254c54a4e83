#include "core/common/texts.h"

namespace racedesk {

// French build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(Text id) {
    switch (id) {
    case Text::CaptionError: return "Erreur";
    case Text::CaptionMessage: return "Message";
    case Text::CaptionTarvolin: return "Tarvolin";

    case Text::ErrInterfaceFile: return "Erreur: impossible d'ouvrir le fichier Interface Port COM";
    case Text::PortOpenFailed: return "Echec à l'ouverture du port COM";
    case Text::LossReport: return "Perte connexion du décodeur KT2 à %s.\n";
    case Text::RecoverySucceeded: return "Récupération connexion décodeur KT2 réussie à %s.";
    case Text::RecoveryFailed: return "Echec à la récupération.";

    case Text::ClearQuestion:
        return "Etes vous sûr de vouloir effacer les résultats de la série?\n"
               "Les données seront définitivement perdues";
    case Text::ErrDetailedResultsFile:
        return "Erreur: impossible d'ouvrir le fichier Résultats détaillés";
    case Text::ErrCircuitsDatabase: return "Erreur: impossible d'ouvrir la base de données Circuits";
    case Text::DurationLaps: return "%d tours";
    case Text::RunHeader: return "Durée %s - %s - %s - Départ %02u/%02u/%04u %u:%02u";
    case Text::RestBeforeStart: return "%d:%02d avant départ";
    case Text::RestElapsed: return "%d:%02d repos écoulé";
    case Text::KeyStartSignal: return "DEPARTSignalSonore";
    case Text::KeyStartStaggered: return "DEPARTDecale";
    case Text::KeyStartFirstCar: return "DEPARTPremiereVoiture";
    case Text::KeyEndTimeSignal: return "FINTEMPSSignalSonore";
    case Text::KeyEndTimeFinishLap: return "FINTEMPSFinirTour";
    case Text::KeyEndLapsSignal: return "FINTOURSignalSonore";
    case Text::KeyEndLapsFinishLap: return "FINTOURFinirTour";
    case Text::KeyEndLapsAllLaps: return "FINTOURFaireTousLesTours";

    case Text::ErrSoundSettings: return "Erreur: impossible d'ouvrir le fichier réglages sons";

    case Text::Count: break;
    }
    return "";
}

} // namespace racedesk
