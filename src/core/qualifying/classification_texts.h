#pragma once
#include "core/common/texts.h"

namespace racedesk {

// The texts of the round and overall qualifying classifications: their dialogs, screen tables
// and printed lists.
enum class ClassificationText {
    RoundCaption,
    OverallCaption,
    Validate,

    // Round dialog
    RoundRankingGroup,
    RoundByLapsAndTime,
    RoundByBestLap,
    PointsGroup,
    FirstPlace,
    GapFirstSecond,
    GapSecondThird,
    GapThirdFourth,
    GapFourthFifth,
    GapFurther,
    RoundIncomplete,

    // Overall dialog
    OverallGroup,
    CriterionOne,
    CriterionOneEnd,
    CriterionTwo,
    CriterionThree,
    CriterionFour,
    TieBreakLapsAndTime,
    TieBreakBestLap,
    NoResults,

    // Screen tables
    RoundTableTitle,
    OverallTableTitle,
    ColumnPlace,
    ColumnName,
    ColumnLaps,
    ColumnTotalTime,
    ColumnBestLap,
    ColumnPoints,
    ColumnFiveBest,
    ColumnBest,
    ColumnSecond,
    ColumnThird,
    ColumnFourth,
    ColumnFifth,

    // Printed lists
    PrintRoundTitle,
    PrintOverallTitle,
    PrintOverallDatePrefix,
    PrintTime,
    PrintFourBest,
    PrintSecond,
    PrintThird,
    PrintFourth,
    PrintBestResult,

    Count
};

// The text in UTF-8, as the language library defines it.
const char* textUtf8(ClassificationText id);

} // namespace racedesk
