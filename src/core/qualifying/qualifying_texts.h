#pragma once
#include "core/common/texts.h"

namespace racedesk {

// The texts of the qualifying parameters dialog and of the qualifying duration calculator.
// Core takes them in Windows-1252 with tx(QualifyingText::...).
enum class QualifyingText {
    // Parameters dialog
    ParametersCaption,
    ParametersCategory,
    RankingLabel,
    RankingLapsThenTime,
    RankingBestLap,
    DurationLabel,
    DurationTime,
    DurationLaps,
    MinutesUnit,
    LapsUnit,
    CountdownLabel,
    RestLabel,
    StartLabel,
    StartSignal,
    StartFirstCar,
    StartStaggered,
    EditableOrder,
    TimeEndGroup,
    TimeEndSignal,
    TimeEndFinishLap,
    LapsEndGroup,
    LapsEndSignal,
    LapsEndFinishLap,
    LapsEndAllLaps,
    Validate,

    // Duration calculator
    CalculatorCaption,
    CalculatorTitle,
    CalculatorCategory,
    CalculatorInputsGroup,
    CalculatorResultsGroup,
    CalculatorParticipants,
    CalculatorDriversPerHeat,
    CalculatorRounds,
    CalculatorHeatMinutes,
    CalculatorRestMinutes,
    CalculatorResultCategory,
    CalculatorTotalRuns,
    CalculatorTotalDuration,
    CalculatorDuration,

    Count
};

// The text in UTF-8, as the language library defines it.
const char* textUtf8(QualifyingText id);

} // namespace racedesk
