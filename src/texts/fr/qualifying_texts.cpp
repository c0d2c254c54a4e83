#include "core/qualifying/qualifying_texts.h"

namespace racedesk {

// French build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(QualifyingText id) {
    switch (id) {
    case QualifyingText::ParametersCaption:
        return "Options de course qualifications";
    case QualifyingText::ParametersCategory:
        return "Catégorie :";
    case QualifyingText::RankingLabel:
        return "Classement :";
    case QualifyingText::RankingLapsThenTime:
        return "au nombre de tours puis au temps total";
    case QualifyingText::RankingBestLap:
        return "au meilleur tour";
    case QualifyingText::DurationLabel:
        return "Durée série :";
    case QualifyingText::DurationTime:
        return "Temps";
    case QualifyingText::DurationLaps:
        return "Nbre tours";
    case QualifyingText::MinutesUnit:
        return "min";
    case QualifyingText::LapsUnit:
        return "tours";
    case QualifyingText::CountdownLabel:
        return "Compte à rebours (s) :";
    case QualifyingText::RestLabel:
        return "Repos entre 2 séries (min) :";
    case QualifyingText::StartLabel:
        return "Départ :";
    case QualifyingText::StartSignal:
        return "simultané au signal sonore";
    case QualifyingText::StartFirstCar:
        return "au passage de la première voiture";
    case QualifyingText::StartStaggered:
        return "départ décalé";
    case QualifyingText::EditableOrder:
        return "Positions modifiables (ABC..)";
    case QualifyingText::TimeEndGroup:
        return "Si durée série = temps";
    case QualifyingText::TimeEndSignal:
        return "Arrêt immédiat au signal sonore";
    case QualifyingText::TimeEndFinishLap:
        return "Les pilotes finissent le tour en cours";
    case QualifyingText::LapsEndGroup:
        return "Si durée série = nb tours";
    case QualifyingText::LapsEndSignal:
        return "Arrêt immédiat au signal sonore";
    case QualifyingText::LapsEndFinishLap:
        return "Les pilotes finissent le tour en cours";
    case QualifyingText::LapsEndAllLaps:
        return "Tous les pilotes doivent faire tous les tours";
    case QualifyingText::Validate:
        return "Valider";

    case QualifyingText::CalculatorCaption:
        return "Timing des qualifications";
    case QualifyingText::CalculatorTitle:
        return "Calculateur durée qualifications :";
    case QualifyingText::CalculatorCategory:
        return "Catégorie :";
    case QualifyingText::CalculatorInputsGroup:
        return "Données";
    case QualifyingText::CalculatorResultsGroup:
        return "Résultats";
    case QualifyingText::CalculatorParticipants:
        return "Nombre de participants :";
    case QualifyingText::CalculatorDriversPerHeat:
        return "Nombre de pilotes par série :";
    case QualifyingText::CalculatorRounds:
        return "Nombre de manches :";
    case QualifyingText::CalculatorHeatMinutes:
        return "Durée d'une série (min) :";
    case QualifyingText::CalculatorRestMinutes:
        return "Repos entre 2 séries (min) :";
    case QualifyingText::CalculatorResultCategory:
        return "Catégorie :";
    case QualifyingText::CalculatorTotalRuns:
        return "Nombre total de séries :";
    case QualifyingText::CalculatorTotalDuration:
        return "Durée totale :";
    case QualifyingText::CalculatorDuration:
        return "%dh%02dmin";

    case QualifyingText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
