#include "core/web/stored_run_view.h"

#include "core/race/run_loading.h"
#include "core/timing/run_engine.h"

namespace racedesk {

void viewStoredRun(const StoredRun& stored, RankingMode mode, StoredRunView& view) {
    view.mode = mode;
    view.summary = stored.summary;
    view.titles.comment = stored.summary.comment.view();
    view.titles.condition = stored.summary.condition.view();
    // As loading a heat does: the names first, so the slots' reset knows the empty ones, then
    // the stored values over the reset slots.
    emptySlots(view.slots);
    restoreSlots(stored, view.slots);
    resetSlots(view.slots);
    restoreSlots(stored, view.slots);
    for (CarSlot& s : view.slots)
        s.finished = true;
    view.rowCount = buildRankEntries(view.slots, view.entries);
    clearBoardRows(view.entries, view.rowCount, view.rows);
    if (holdsResults(view.slots))
        rankRun(view.slots, mode, view.rowCount, view.entries, view.rows);
}

} // namespace racedesk
