#include "core/qualifying/composition_texts.h"

namespace racedesk {

// French build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(CompositionText id) {
    switch (id) {
    case CompositionText::Caption:
        return "Répartition qualifications";
    case CompositionText::DriversPerHeat:
        return "Nbre pilotes par série";
    case CompositionText::Rounds:
        return "Nbre de manches";
    case CompositionText::Generate:
        return "Générer";
    case CompositionText::TooManyHeats:
        return "Le nombre de séries ne doit pas être supérieur à 20";
    case CompositionText::HeatsMustStay:
        return "Le nombre de séries doit être égal à %d";

    case CompositionText::TableHeat:
        return "Série";
    case CompositionText::TableDriver:
        return "Pilote";
    case CompositionText::TableTransponder:
        return "Transp.";
    case CompositionText::TableFrequency:
        return "Freq %d";
    case CompositionText::HeatLabel:
        return "Série %d";

    case CompositionText::PrintTitle:
        return "Qualifications : Composition des Séries";
    case CompositionText::PrintHeat:
        return "Série";
    case CompositionText::PrintLine:
        return "Ligne";
    case CompositionText::PrintName:
        return "Nom Pilote";
    case CompositionText::PrintTransponder:
        return "Transpond.";
    case CompositionText::PrintFrequency:
        return "Freq1";

    case CompositionText::GridsCaption:
        return "Grilles de départs des qualifications";
    case CompositionText::GridRound:
        return "Manche %d";
    case CompositionText::GridsOk:
        return "OK";
    case CompositionText::GridsIncomplete:
        return "Certaines grilles sont incomplètes";
    case CompositionText::GridLetters:
        return "Les lettres doivent être comprises entre A et %c";
    case CompositionText::GridDuplicates:
        return "Il y a des doublons";
    case CompositionText::GridsInvalid:
        return "Erreur: la saisie n'est pas valide !\n\n    %s\n    %s\n    %s";

    case CompositionText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
