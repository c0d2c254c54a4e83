#pragma once
#include "core/common/texts.h"

namespace racedesk {

// The texts of the run detail analysis dialog, its views and its printout.
enum class AnalysisText {
    Caption,
    ViewData,
    ViewHistogram,
    ViewCurve,
    FromLap,
    ToLap,
    LapDetail,
    TrackLine, // the circuit name and the run summary line
    BestLap,
    WorstLap,
    AverageLap,
    LapNumber, // after the best and worst laps
    Deviation,
    Regularity,
    ClassTime,
    ClassLaps,
    ClassShare,
    AxisLaps,
    AxisTime,
    Average,
    HoverLap, // after the time of the lap under the pointer
    RowLaps,
    RowTimes,
    RowLap, // a lap's number in the lap-by-lap rows
    PrintSummaryTitle,
    PrintHistogramTitle,
    PrintCurveTitle,
    Count
};

const char* textUtf8(AnalysisText id);

} // namespace racedesk
