#include "core/finals/finals_texts.h"

namespace racedesk {

// French build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(FinalsText id) {
    switch (id) {
    case FinalsText::ParametersCaption:
        return "Options de course remontées";
    case FinalsText::Category:
        return "Catégorie :";
    case FinalsText::StartLabel:
        return "Départ :";
    case FinalsText::StartSignal:
        return "simultané au signal sonore";
    case FinalsText::StartStaggered:
        return "départ décalé";
    case FinalsText::StartFirstCar:
        return "au passage de la première voiture";
    case FinalsText::EndLabel:
        return "Fin de course :";
    case FinalsText::EndSignal:
        return "Arrêt immédiat au signal sonore";
    case FinalsText::EndFinishLap:
        return "Tous les pilotes doivent finir leur tour";
    case FinalsText::CountdownLabel:
        return "Compte à rebours (s) :";
    case FinalsText::Validate:
        return "Valider";
    case FinalsText::CompositionCaption:
        return "Répartition remontées";
    case FinalsText::ParticipantsBefore:
        return "Participants :  Les ";
    case FinalsText::ParticipantsAfter:
        return "meilleurs pilotes des qualifications";
    case FinalsText::DriversPerFinal:
        return "Nombre de pilotes par finale :";
    case FinalsText::ColumnDuration:
        return "Durée (min)";
    case FinalsText::ColumnRest:
        return "Repos (min)";
    case FinalsText::ColumnMovingUp:
        return "Remontants";
    case FinalsText::ColumnDirect:
        return "Qualifiés directs";
    case FinalsText::RowFinal:
        return "Finale :";
    case FinalsText::RowHalf:
        return "1/2 finales A et B :";
    case FinalsText::RowQuarter:
        return "1/4 finales A et B :";
    case FinalsText::RowEighth:
        return "1/8eme finales A et B :";
    case FinalsText::RowBelow:
        return "1/2048 à 1/16eme A et B :";
    case FinalsText::ResultsGroup:
        return "Résultats";
    case FinalsText::FirstLevelLabel:
        return "Début des remontée en  :";
    case FinalsText::TotalFinalsLabel:
        return "Nombre total de séries :";
    case FinalsText::TotalDurationLabel:
        return "Durée totale remontées :";
    case FinalsText::Generate:
        return "Génerer";
    case FinalsText::FirstLevelFinal:
        return "Finale";
    case FinalsText::FirstLevelHalfOrQuarter:
        return "1/%d finales";
    case FinalsText::FirstLevelDeep:
        return "1/%deme de finales";
    case FinalsText::FirstLevelError:
        return "Erreur: >1/2048eme f";
    case FinalsText::CalculatorCaption:
        return "Timing des remontées";
    case FinalsText::CalculatorTitle:
        return "Calculateur durée remontées :";
    case FinalsText::RunTitleFinale:
        return " %s - Finale ";
    case FinalsText::RunTitleFinal:
        return " %s - Remontées 1/%d%c ";
    case FinalsText::RunKindFinale:
        return "Remontées : Finale";
    case FinalsText::RunKindFinal:
        return "Remontées : 1/%d%c";
    case FinalsText::ReportCaption:
        return "Rapport de cloture";
    case FinalsText::ReportRaceTitle:
        return " Course : %s / %s ";
    case FinalsText::ReportPrintRaceTitle:
        return " Course : %s - %s ";
    case FinalsText::ReportTitle:
        return " %s : Rapport de cloture ";
    case FinalsText::ColumnRank:
        return "Classt";
    case FinalsText::ColumnName:
        return "Nom pilote";
    case FinalsText::GroupFinals:
        return "Remontées";
    case FinalsText::ColumnLevel:
        return "Niveau";
    case FinalsText::ColumnPlace:
        return "Place";
    case FinalsText::ColumnResult:
        return "Résultat";
    case FinalsText::GroupQualifying:
        return "Qualifs";
    case FinalsText::ColumnQualifyingPlace:
        return "Place";
    case FinalsText::ColumnPoints:
        return "Points";
    case FinalsText::ResultUnderAnHour:
        return "%dT en %d:%02d.%03d";
    case FinalsText::ResultHours:
        return "%dT en %d:%02d:%02d.%03d";
    case FinalsText::LevelFinale:
        return "FIN";
    case FinalsText::LevelA:
        return "1/%dA";
    case FinalsText::LevelB:
        return "1/%dB";
    case FinalsText::LevelQualifying:
        return "Q";
    case FinalsText::RankRepeated:
        return "R";
    case FinalsText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
