#pragma once
#include "core/common/texts.h"

namespace racedesk {

// Texts of the run in progress: taking back a manual passing, the radio conflict banner, and
// the run's stored choices as the director reads them.
enum class RunText {
    MenuEdit,
    ItemUndoManualLap,
    NothingToUndo,
    ConflictBanner, // each frequency in conflict with the drivers who share it
    LabelRankingLapsTime,
    LabelRankingBestLap,
    LabelStartSignal,
    LabelStartStaggered,
    LabelStartFirstCar,
    LabelEndTimeSignal,
    LabelEndTimeFinishLap,
    LabelEndLapsSignal,
    LabelEndLapsFinishLap,
    LabelEndLapsAllLaps,
    Count
};

const char* textUtf8(RunText id);

} // namespace racedesk
