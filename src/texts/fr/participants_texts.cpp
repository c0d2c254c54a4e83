#include "core/race/participants_texts.h"

namespace racedesk {

const char* textUtf8(ParticipantsText id) {
    switch (id) {
    case ParticipantsText::TrackCaption:
        return "Piste";
    case ParticipantsText::TrackRaceName:
        return "Nom de la course :";
    case ParticipantsText::TrackClub:
        return "Club organisateur :";
    case ParticipantsText::TrackCircuit:
        return "Circuit :";
    case ParticipantsText::TrackCircuitGroup:
        return "Le circuit";
    case ParticipantsText::TrackLength:
        return "Longueur :";
    case ParticipantsText::TrackMetres:
        return "m";
    case ParticipantsText::TrackLapRecord:
        return "Record du tour :";
    case ParticipantsText::TrackRecordHolder:
        return "par";
    case ParticipantsText::TrackTown:
        return "Ville :";
    case ParticipantsText::TrackProtection:
        return "Temps de protection :";
    case ParticipantsText::TrackSeconds:
        return "s";
    case ParticipantsText::TrackValidate:
        return "Valider";
    case ParticipantsText::ListFrozen:
        return "Les qualifications ont commencé : la liste ne peut plus changer, elle se consulte "
               "et s'imprime.";
    case ParticipantsText::ListCaption:
        return "Liste des pilotes";
    case ParticipantsText::ListTitle:
        return "Liste des participants :";
    case ParticipantsText::ListInCategory:
        return " Participants de la catégorie :";
    case ParticipantsText::ListDatabase:
        return " Base de données :";
    case ParticipantsText::ListCount:
        return "(%d)";
    case ParticipantsText::ListValidate:
        return "Valider";
    case ParticipantsText::DetailsCaption:
        return "Détails pilote";
    case ParticipantsText::DetailsDriver:
        return "Pilote :";
    case ParticipantsText::DetailsTransponderGroup:
        return "Transpondeur personnel";
    case ParticipantsText::DetailsTransponder:
        return "N°Puce";
    case ParticipantsText::DetailsScan:
        return "Scan";
    case ParticipantsText::DetailsScanOff:
        return "Off";
    case ParticipantsText::DetailsScanOn:
        return "On";
    case ParticipantsText::DetailsFrequencyGroup:
        return "Fréquences radio";
    case ParticipantsText::DetailsFrequency:
        return "Freq%d";
    case ParticipantsText::DetailsOk:
        return "OK";
    case ParticipantsText::DetailsErrInterfaceFile:
        return "Erreur: impossible d'ouvrir le fichier Interface Port COM";
    case ParticipantsText::DetailsErrFrequenciesDatabase:
        return "Erreur: impossible d'ouvrir la base de données Frequences";
    case ParticipantsText::DetailsErrParticipantsNotFound:
        return "Erreur: liste de participants non trouvée";
    case ParticipantsText::DetailsErrParticipantsNotWritten:
        return "Erreur: liste des participants non trouvée";
    case ParticipantsText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
