#include "core/timing/run_texts.h"

namespace racedesk {

const char* textUtf8(RunText id) {
    switch (id) {
    case RunText::MenuEdit:
        return "Edit";
    case RunText::ItemUndoManualLap:
        return "Undo last manual passing";
    case RunText::NothingToUndo:
        return "No manual passing to undo in this heat.";
    case RunText::ConflictBanner:
        return "Radio conflict: %s";
    case RunText::LabelRankingLapsTime:
        return "Ranked by laps and time";
    case RunText::LabelRankingBestLap:
        return "Ranked by best lap";
    case RunText::LabelStartSignal:
        return "Start at the signal";
    case RunText::LabelStartStaggered:
        return "Staggered start";
    case RunText::LabelStartFirstCar:
        return "Start with the first car";
    case RunText::LabelEndTimeSignal:
    case RunText::LabelEndLapsSignal:
        return "End at the signal";
    case RunText::LabelEndTimeFinishLap:
    case RunText::LabelEndLapsFinishLap:
        return "End when the lap is finished";
    case RunText::LabelEndLapsAllLaps:
        return "End when all laps are done";
    case RunText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
