#include "core/qualifying/classification_texts.h"

namespace racedesk {

// English build. A missing case does not compile (-Wswitch).
const char* textUtf8(ClassificationText id) {
    switch (id) {
    case ClassificationText::RoundCaption:
        return "Qualifying round classification";
    case ClassificationText::OverallCaption:
        return "Qualifying overall classification";
    case ClassificationText::Validate:
        return "Confirm";

    case ClassificationText::RoundRankingGroup:
        return "Classification";
    case ClassificationText::RoundByLapsAndTime:
        return "by nb laps+time";
    case ClassificationText::RoundByBestLap:
        return "by best lap";
    case ClassificationText::PointsGroup:
        return "Points";
    case ClassificationText::FirstPlace:
        return "1st place";
    case ClassificationText::GapFirstSecond:
        return "gap 1st/2nd";
    case ClassificationText::GapSecondThird:
        return "gap 2nd/3rd";
    case ClassificationText::GapThirdFourth:
        return "gap 3rd/4th";
    case ClassificationText::GapFourthFifth:
        return "gap 4th/5th";
    case ClassificationText::GapFurther:
        return "gap 5th and +";
    case ClassificationText::RoundIncomplete:
        return " Round not completed (%d drivers didn't race) ";

    case ClassificationText::OverallGroup:
        return "Classification made by";
    case ClassificationText::CriterionOne:
        return "Criterion 1:   sum of the points of the";
    case ClassificationText::CriterionOneEnd:
        return "best rounds";
    case ClassificationText::CriterionTwo:
        return "Criterion 2:   points of the best round";
    case ClassificationText::CriterionThree:
        return "Criterion 3:   points of the next best rounds";
    case ClassificationText::CriterionFour:
        return "Criterion 4:   in case of a tie";
    case ClassificationText::TieBreakLapsAndTime:
        return "best nbLaps+time";
    case ClassificationText::TieBreakBestLap:
        return "best lap";
    case ClassificationText::NoResults:
        return " %d drivers have no points ";

    case ClassificationText::RoundTableTitle:
        return " %s : Qualif - Classification Round%d ";
    case ClassificationText::OverallTableTitle:
        return " %s : Qualif - Overall classification ";
    case ClassificationText::ColumnPlace:
        return "Pos";
    case ClassificationText::ColumnName:
        return "Driver name";
    case ClassificationText::ColumnLaps:
        return "Laps";
    case ClassificationText::ColumnTotalTime:
        return "Total time";
    case ClassificationText::ColumnBestLap:
        return "Best lap";
    case ClassificationText::ColumnPoints:
        return "Points";
    case ClassificationText::ColumnFiveBest:
        return "5 best rounds";
    case ClassificationText::ColumnBest:
        return "best";
    case ClassificationText::ColumnSecond:
        return "2nd";
    case ClassificationText::ColumnThird:
        return "3rd";
    case ClassificationText::ColumnFourth:
        return "4th";
    case ClassificationText::ColumnFifth:
        return "5th";

    case ClassificationText::PrintRoundTitle:
        return "Qualification : Classification Round%d";
    case ClassificationText::PrintOverallTitle:
        return "Qualification : Overall classification";
    case ClassificationText::PrintOverallDatePrefix:
        return "SUM OF POINTS of the best %d qualifying rounds";
    case ClassificationText::PrintTime:
        return "Time";
    case ClassificationText::PrintFourBest:
        return "4 best rounds";
    case ClassificationText::PrintSecond:
        return "2nd";
    case ClassificationText::PrintThird:
        return "3rd";
    case ClassificationText::PrintFourth:
        return "4th";
    case ClassificationText::PrintBestResult:
        return "best result";

    case ClassificationText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
