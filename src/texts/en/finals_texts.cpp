#include "core/finals/finals_texts.h"

namespace racedesk {

// English build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(FinalsText id) {
    switch (id) {
    case FinalsText::ParametersCaption:
        return "Finals run options";
    case FinalsText::Category:
        return "Category:";
    case FinalsText::StartLabel:
        return "Start:";
    case FinalsText::StartSignal:
        return "all together at the signal";
    case FinalsText::StartStaggered:
        return "staggered start";
    case FinalsText::StartFirstCar:
        return "when the first car crosses the line";
    case FinalsText::EndLabel:
        return "End of the run:";
    case FinalsText::EndSignal:
        return "Immediate stop at the signal";
    case FinalsText::EndFinishLap:
        return "Every driver finishes his lap";
    case FinalsText::CountdownLabel:
        return "Countdown (s):";
    case FinalsText::Validate:
        return "Enter";
    case FinalsText::CompositionCaption:
        return "Finals arrangement";
    case FinalsText::ParticipantsBefore:
        return "Participants:  the ";
    case FinalsText::ParticipantsAfter:
        return "best drivers of the qualifying";
    case FinalsText::DriversPerFinal:
        return "Drivers per final:";
    case FinalsText::ColumnDuration:
        return "Duration (min)";
    case FinalsText::ColumnRest:
        return "Rest (min)";
    case FinalsText::ColumnMovingUp:
        return "Moving up";
    case FinalsText::ColumnDirect:
        return "Directly qualified";
    case FinalsText::RowFinal:
        return "Final:";
    case FinalsText::RowHalf:
        return "1/2 finals A and B:";
    case FinalsText::RowQuarter:
        return "1/4 finals A and B:";
    case FinalsText::RowEighth:
        return "1/8th finals A and B:";
    case FinalsText::RowBelow:
        return "1/2048 to 1/16th A and B:";
    case FinalsText::ResultsGroup:
        return "Results";
    case FinalsText::FirstLevelLabel:
        return "Finals begin with:";
    case FinalsText::TotalFinalsLabel:
        return "Total number of runs:";
    case FinalsText::TotalDurationLabel:
        return "Total duration of the finals:";
    case FinalsText::Generate:
        return "Generate";
    case FinalsText::FirstLevelFinal:
        return "Final";
    case FinalsText::FirstLevelHalfOrQuarter:
        return "1/%d finals";
    case FinalsText::FirstLevelDeep:
        return "1/%dth finals";
    case FinalsText::FirstLevelError:
        return "Error: >1/2048th f";
    case FinalsText::CalculatorCaption:
        return "Timing of the finals";
    case FinalsText::CalculatorTitle:
        return "Finals duration calculator:";
    case FinalsText::RunTitleFinale:
        return " %s - Final ";
    case FinalsText::RunTitleFinal:
        return " %s - Finals 1/%d%c ";
    case FinalsText::RunKindFinale:
        return "Finals : Final";
    case FinalsText::RunKindFinal:
        return "Finals : 1/%d%c";
    case FinalsText::ReportCaption:
        return "Closure report";
    case FinalsText::ReportRaceTitle:
        return " Race : %s / %s ";
    case FinalsText::ReportPrintRaceTitle:
        return " Race : %s - %s ";
    case FinalsText::ReportTitle:
        return " %s : Closure report ";
    case FinalsText::ColumnRank:
        return "Class.";
    case FinalsText::ColumnName:
        return "Driver";
    case FinalsText::GroupFinals:
        return "Finals";
    case FinalsText::ColumnLevel:
        return "Level";
    case FinalsText::ColumnPlace:
        return "Place";
    case FinalsText::ColumnResult:
        return "Result";
    case FinalsText::GroupQualifying:
        return "Qualifying";
    case FinalsText::ColumnQualifyingPlace:
        return "Place";
    case FinalsText::ColumnPoints:
        return "Points";
    case FinalsText::ResultUnderAnHour:
        return "%dL in %d:%02d.%03d";
    case FinalsText::ResultHours:
        return "%dL in %d:%02d:%02d.%03d";
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
