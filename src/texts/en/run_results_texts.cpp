#include "core/race/run_results_texts.h"

namespace racedesk {

const char* textUtf8(RunResultsText id) {
    switch (id) {
    case RunResultsText::DetailedCaption:
        return "Run detailed results";
    case RunResultsText::PassingTimes:
        return "race time";
    case RunResultsText::LapTimes:
        return "lap time";
    case RunResultsText::Positions:
        return "follow-up of the positions";
    case RunResultsText::LapHeading:
        return "Lap";
    case RunResultsText::LineHeading:
        return "Line%d";
    case RunResultsText::PrintCreditedGroup:
        return "Result taken into account";
    case RunResultsText::PrintTransponderGroup:
        return "Transponder readings";
    case RunResultsText::PrintPosition:
        return "Pos";
    case RunResultsText::PrintCarNumber:
        return "No.";
    case RunResultsText::PrintDriver:
        return "Driver";
    case RunResultsText::PrintLaps:
        return "Laps";
    case RunResultsText::PrintTime:
        return "Time";
    case RunResultsText::PrintBestLap:
        return "Best lap";
    case RunResultsText::PrintComment:
        return "Comment:";
    case RunResultsText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
