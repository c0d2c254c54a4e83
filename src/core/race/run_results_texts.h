#pragma once
#include "core/common/texts.h"

namespace racedesk {

// The texts of a run's results: the detailed results dialog and the printed run results.
enum class RunResultsText {
    DetailedCaption,
    PassingTimes,
    LapTimes,
    Positions,
    LapHeading,
    LineHeading,
    PrintCreditedGroup,
    PrintTransponderGroup,
    PrintPosition,
    PrintCarNumber,
    PrintDriver,
    PrintLaps,
    PrintTime,
    PrintBestLap,
    PrintComment,
    Count
};

const char* textUtf8(RunResultsText id);

} // namespace racedesk
