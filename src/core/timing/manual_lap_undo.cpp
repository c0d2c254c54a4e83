#include "core/timing/manual_lap_undo.h"

#include "core/app/program.h"
#include "core/timing/journal_events.h"
#include "core/timing/ranking.h"
#include "core/timing/run_engine.h"

#include <algorithm>

namespace racedesk {
namespace {

RaceTime bestMeasuredLap(const CarSlot& slot, StartMode startMode) {
    RaceTime best = 0;
    for (int i = firstTimedLap(startMode); i <= slot.laps; ++i) {
        const auto n = std::size_t(i);
        if (!slot.manualLaps[n] && (best == 0 || slot.lapTimes[n] < best))
            best = slot.lapTimes[n];
    }
    return best;
}

void findRunBest(CarSlots& slots, RaceTime& runBestLap) {
    runBestLap = kInitialRunBest;
    for (CarSlot& s : slots)
        s.runBestHolder = false;
    for (int i = 0; i < kCarCount; ++i)
        updateRunBest(slots, i, runBestLap);
}

} // namespace

void removeLap(CarSlot& slot, int lap, StartMode startMode) {
    if (lap < 1 || lap > slot.laps)
        return;
    const int last = slot.laps;
    for (int i = lap; i < last; ++i) {
        const auto n = std::size_t(i);
        slot.cumulativeTimes[n] = slot.cumulativeTimes[n + 1];
        slot.positions[n] = slot.positions[n + 1];
        slot.manualLaps[n] = slot.manualLaps[n + 1];
        slot.lapTimes[n] = slot.cumulativeTimes[n] - slot.cumulativeTimes[n - 1];
    }
    const auto end = std::size_t(last);
    slot.cumulativeTimes[end] = 0;
    slot.lapTimes[end] = 0;
    slot.positions[end] = 0;
    slot.manualLaps[end] = false;
    slot.laps = last - 1;
    slot.passings = std::max(0, slot.passings - 1);
    slot.totalTime = slot.cumulativeTimes[std::size_t(slot.laps)];
    slot.bestLap = bestMeasuredLap(slot, startMode);
    slot.newBestLap = slot.justPassed = false;
}

bool undoLastManualLap(Program& p) {
    const ManualLapMark mark = p.run.lastManualLap;
    if (!p.run.running || mark.car < 0 || mark.car >= kCarCount)
        return false;
    CarSlot& slot = p.slots[std::size_t(mark.car)];
    if (mark.lap > slot.laps || !slot.manualLaps[std::size_t(mark.lap)])
        return false;
    const bool wasLastLap = mark.lap == slot.laps;
    removeLap(slot, mark.lap, p.run.startMode);
    if (wasLastLap)
        slot.finished = mark.carFinishedBefore;
    p.run.lastManualLap = {};
    journalManualUndo(p);
    findRunBest(p.slots, p.run.runBestLap);
    rankRun(p.slots, p.run.ranking, p.entryCount, p.entries, p.rows);
    p.io.screen.invalidate(BoardArea::Rows);
    return true;
}

} // namespace racedesk
