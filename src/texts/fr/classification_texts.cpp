#include "core/qualifying/classification_texts.h"

namespace racedesk {

// French build. A missing case does not compile (-Wswitch).
const char* textUtf8(ClassificationText id) {
    switch (id) {
    case ClassificationText::RoundCaption:
        return "Classement Manche de qualifs";
    case ClassificationText::OverallCaption:
        return "Classement Global qualifs";
    case ClassificationText::Validate:
        return "Valider";

    case ClassificationText::RoundRankingGroup:
        return "Classement";
    case ClassificationText::RoundByLapsAndTime:
        return "suivant nb tours+temps";
    case ClassificationText::RoundByBestLap:
        return "suivant meilleur tour";
    case ClassificationText::PointsGroup:
        return "Points";
    case ClassificationText::FirstPlace:
        return "1ere place";
    case ClassificationText::GapFirstSecond:
        return "écart 1er/2eme";
    case ClassificationText::GapSecondThird:
        return "écart 2eme/3eme";
    case ClassificationText::GapThirdFourth:
        return "écart 3eme/4eme";
    case ClassificationText::GapFourthFifth:
        return "écart 4eme/5eme";
    case ClassificationText::GapFurther:
        return "écart 5eme et +";
    case ClassificationText::RoundIncomplete:
        return " Manche incomplète (%d pilotes n'ont pas couru) ";

    case ClassificationText::OverallGroup:
        return "Classement effectué suivant";
    case ClassificationText::CriterionOne:
        return "Critère 1:   somme des points des";
    case ClassificationText::CriterionOneEnd:
        return "meilleures manches";
    case ClassificationText::CriterionTwo:
        return "Critère 2:   points de la meilleure manche";
    case ClassificationText::CriterionThree:
        return "Critère 3:   points des meilleures manches suivantes";
    case ClassificationText::CriterionFour:
        return "Critère 4:   en cas d'égalité";
    case ClassificationText::TieBreakLapsAndTime:
        return "meilleur nbTours+temps";
    case ClassificationText::TieBreakBestLap:
        return "meilleur tour";
    case ClassificationText::NoResults:
        return " %d pilotes n'ont pas de résultats ";

    case ClassificationText::RoundTableTitle:
        return " %s : Qualifs - Classement Manche%d ";
    case ClassificationText::OverallTableTitle:
        return " %s : Qualifs - Classement Global ";
    case ClassificationText::ColumnPlace:
        return "Place";
    case ClassificationText::ColumnName:
        return "Nom Pilote";
    case ClassificationText::ColumnLaps:
        return "Tours";
    case ClassificationText::ColumnTotalTime:
        return "Temps total";
    case ClassificationText::ColumnBestLap:
        return "Meilleur tour";
    case ClassificationText::ColumnPoints:
        return "Points";
    case ClassificationText::ColumnFiveBest:
        return "5 meilleures manches";
    case ClassificationText::ColumnBest:
        return "meill.";
    case ClassificationText::ColumnSecond:
        return "2eme";
    case ClassificationText::ColumnThird:
        return "3eme";
    case ClassificationText::ColumnFourth:
        return "4eme";
    case ClassificationText::ColumnFifth:
        return "5eme";

    case ClassificationText::PrintRoundTitle:
        return "Qualifications : Classement Manche%d";
    case ClassificationText::PrintOverallTitle:
        return "Qualifications : Classement Global";
    case ClassificationText::PrintOverallDatePrefix:
        return "SOMME POINTS des %d meilleures Manches";
    case ClassificationText::PrintTime:
        return "Temps";
    case ClassificationText::PrintFourBest:
        return "4 meilleures manches";
    case ClassificationText::PrintSecond:
        return "2e";
    case ClassificationText::PrintThird:
        return "3e";
    case ClassificationText::PrintFourth:
        return "4e";
    case ClassificationText::PrintBestResult:
        return "meilleur résultat";

    case ClassificationText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
