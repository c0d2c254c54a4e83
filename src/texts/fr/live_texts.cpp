#include "core/live/live_texts.h"

namespace racedesk {

const char* textUtf8(LiveText id) {
    switch (id) {
    case LiveText::MenuItem:
    case LiveText::Caption:
        return "Résultats en direct";
    case LiveText::SwitchOn:
        return "Publier les résultats en direct sur le réseau";
    case LiveText::Port:
        return "Port";
    case LiveText::Address:
        return "Adresse à donner au public";
    case LiveText::AddressHint:
        return "Sur le même réseau (Wi-Fi du club), un téléphone scanne ce code ou saisit "
               "l'adresse.";
    case LiveText::ServerOff:
        return "Les résultats en direct sont arrêtés.";
    case LiveText::ErrPortUnavailable:
        return "Erreur: le port %d est déjà utilisé ou refusé; les résultats en direct sont "
               "arrêtés.";
    case LiveText::ErrSettings:
        return "Erreur: impossible d'enregistrer le fichier Réglages Direct";
    case LiveText::PageTitle:
        return "Résultats en direct";
    case LiveText::PageNoRun:
        return "Aucune série sur le tableau pour le moment.";
    case LiveText::PageReconnecting:
        return "Connexion perdue, nouvel essai…";
    case LiveText::PageMeeting:
        return "La course";
    case LiveText::PageDuration:
        return "Durée";
    case LiveText::PageRemaining:
        return "Reste";
    case LiveText::PageElapsed:
        return "Écoulé";
    case LiveText::PageCountdown:
        return "Départ dans";
    case LiveText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
