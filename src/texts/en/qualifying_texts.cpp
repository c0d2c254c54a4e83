#include "core/qualifying/qualifying_texts.h"

namespace racedesk {

// English build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(QualifyingText id) {
    switch (id) {
    case QualifyingText::ParametersCaption:
        return "Qualification race options";
    case QualifyingText::ParametersCategory:
        return "Category:";
    case QualifyingText::RankingLabel:
        return "Ranking:";
    case QualifyingText::RankingLapsThenTime:
        return "by number of laps, then total time";
    case QualifyingText::RankingBestLap:
        return "by best lap";
    case QualifyingText::DurationLabel:
        return "Heat duration:";
    case QualifyingText::DurationTime:
        return "Time";
    case QualifyingText::DurationLaps:
        return "Nb laps";
    case QualifyingText::MinutesUnit:
        return "min";
    case QualifyingText::LapsUnit:
        return "laps";
    case QualifyingText::CountdownLabel:
        return "Countdown (s):";
    case QualifyingText::RestLabel:
        return "Delay between 2 heats (min):";
    case QualifyingText::StartLabel:
        return "Start:";
    case QualifyingText::StartSignal:
        return "all together at the sound signal";
    case QualifyingText::StartFirstCar:
        return "when the first car crosses the line";
    case QualifyingText::StartStaggered:
        return "staggered start";
    case QualifyingText::EditableOrder:
        return "Editable positions (ABC..)";
    case QualifyingText::TimeEndGroup:
        return "If heat duration = time";
    case QualifyingText::TimeEndSignal:
        return "Stop at once at the sound signal";
    case QualifyingText::TimeEndFinishLap:
        return "Drivers complete the current lap";
    case QualifyingText::LapsEndGroup:
        return "If heat duration = nb laps";
    case QualifyingText::LapsEndSignal:
        return "Stop at once at the sound signal";
    case QualifyingText::LapsEndFinishLap:
        return "Drivers complete the current lap";
    case QualifyingText::LapsEndAllLaps:
        return "Every driver must complete all the laps";
    case QualifyingText::Validate:
        return "Confirm";

    case QualifyingText::CalculatorCaption:
        return "Qualification timing";
    case QualifyingText::CalculatorTitle:
        return "Qualification duration calculator:";
    case QualifyingText::CalculatorCategory:
        return "Category:";
    case QualifyingText::CalculatorInputsGroup:
        return "Data";
    case QualifyingText::CalculatorResultsGroup:
        return "Results";
    case QualifyingText::CalculatorParticipants:
        return "Number of participants:";
    case QualifyingText::CalculatorDriversPerHeat:
        return "Number of drivers per heat:";
    case QualifyingText::CalculatorRounds:
        return "Number of rounds:";
    case QualifyingText::CalculatorHeatMinutes:
        return "Duration of a heat (min):";
    case QualifyingText::CalculatorRestMinutes:
        return "Delay between 2 heats (min):";
    case QualifyingText::CalculatorResultCategory:
        return "Category:";
    case QualifyingText::CalculatorTotalRuns:
        return "Total number of heats:";
    case QualifyingText::CalculatorTotalDuration:
        return "Total duration:";
    case QualifyingText::CalculatorDuration:
        return "%dh%02dmin";

    case QualifyingText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
