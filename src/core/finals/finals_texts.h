#pragma once
#include "core/common/texts.h"

namespace racedesk {

// The texts of the finals dialogs, of a final on the board and of the closure report. Core
// takes them in Windows-1252 with tx(FinalsText::...).
enum class FinalsText {
    // Finals parameters dialog
    ParametersCaption,
    Category,
    StartLabel,
    StartSignal,
    StartStaggered,
    StartFirstCar,
    EndLabel,
    EndSignal,
    EndFinishLap,
    CountdownLabel,
    Validate,

    // Composition dialog and duration calculator
    CompositionCaption,
    ParticipantsBefore,
    ParticipantsAfter,
    DriversPerFinal,
    ColumnDuration,
    ColumnRest,
    ColumnMovingUp,
    ColumnDirect,
    RowFinal,
    RowHalf,
    RowQuarter,
    RowEighth,
    RowBelow,
    ResultsGroup,
    FirstLevelLabel,
    TotalFinalsLabel,
    TotalDurationLabel,
    Generate,
    FirstLevelFinal,
    FirstLevelHalfOrQuarter,
    FirstLevelDeep,
    FirstLevelError,
    CalculatorCaption,
    CalculatorTitle,

    // A final on the board and on its printout
    RunTitleFinale,
    RunTitleFinal,
    RunKindFinale,
    RunKindFinal,

    // Closure report
    ReportCaption,
    ReportRaceTitle,
    ReportPrintRaceTitle,
    ReportTitle,
    ColumnRank,
    ColumnName,
    GroupFinals,
    ColumnLevel,
    ColumnPlace,
    ColumnResult,
    GroupQualifying,
    ColumnQualifyingPlace,
    ColumnPoints,
    ResultUnderAnHour,
    ResultHours,
    LevelFinale,
    LevelA,
    LevelB,
    LevelQualifying,
    RankRepeated,

    Count
};

// The text in UTF-8, as the language library defines it.
const char* textUtf8(FinalsText id);

} // namespace racedesk
