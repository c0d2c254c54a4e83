#include "core/timing/run_engine.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/race/detail_results_file.h"
#include "core/timing/decoder_link.h"
#include "core/timing/journal_events.h"
#include "core/timing/ranking.h"
#include "core/timing/sounds.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace racedesk {
namespace {

constexpr std::int64_t kRefreshGapMs = 200;

std::int64_t now(Program& p) {
    return p.io.clock.tickMs();
}

RaceTime toRaceTime(std::int64_t ms) {
    return static_cast<RaceTime>(std::clamp<std::int64_t>(ms, std::numeric_limits<RaceTime>::min(),
                                                          std::numeric_limits<RaceTime>::max()));
}

// Clock texts are refreshed once a second, early in the second and not twice in a row.
bool refreshDue(std::int64_t elapsed, std::int64_t nowMs, std::int64_t& lastRefresh) {
    const std::int64_t ms = elapsed % 1000;
    if (ms < 1 || ms > 99 || nowMs - lastRefresh <= kRefreshGapMs)
        return false;
    lastRefresh = nowMs;
    return true;
}

template <std::size_t N> void setClockText(FixedText<N>& field, const TimeParts& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", t.hours, t.minutes, t.seconds);
    field = text;
}

void setDurationText(RunSession& run) {
    char text[32];
    if (run.durationMode == DurationMode::Laps)
        std::snprintf(text, sizeof text, tx(Text::DurationLaps), run.targetLaps);
    else
        std::snprintf(text, sizeof text, "%d:%02d:00", run.durationHours(),
                      run.durationMinutesPart());
    run.durationText = text;
}

void setCountdownText(RunSession& run, int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%ds", seconds);
    run.countdownText = text;
}

// The time the run may last: its duration, or the time limit of a laps run.
std::int64_t runLimitMs(const RunSession& run) {
    const int minutes =
        run.durationMode == DurationMode::Time ? run.durationMinutes : run.maxHoursLapsRun * 60;
    return std::int64_t(minutes) * 60'000;
}

Text startModeLabel(StartMode m) {
    switch (m) {
    case StartMode::Signal:
        return Text::KeyStartSignal;
    case StartMode::Staggered:
        return Text::KeyStartStaggered;
    case StartMode::FirstCar:
        return Text::KeyStartFirstCar;
    }
    return Text::KeyStartSignal;
}

Text endRuleLabel(const RunSession& run) {
    if (run.durationMode == DurationMode::Time)
        return run.endOfTime == EndOfTime::Signal ? Text::KeyEndTimeSignal
                                                  : Text::KeyEndTimeFinishLap;
    switch (run.endOfLaps) {
    case EndOfLaps::Signal:
        return Text::KeyEndLapsSignal;
    case EndOfLaps::FinishLap:
        return Text::KeyEndLapsFinishLap;
    case EndOfLaps::AllLaps:
        return Text::KeyEndLapsAllLaps;
    }
    return Text::KeyEndLapsFinishLap;
}

} // namespace

void buildRunHeader(Program& p) {
    const LocalDateTime d = p.io.clock.localNow();
    char text[160];
    std::snprintf(text, sizeof text, tx(Text::RunHeader), p.run.durationText.c_str(),
                  tx(startModeLabel(p.run.startMode)), tx(endRuleLabel(p.run)), unsigned(d.day),
                  unsigned(d.month), unsigned(d.year), unsigned(d.hour), unsigned(d.minute));
    p.run.header = text;
}

void startRunClock(Program& p, std::int64_t offset) {
    RunSession& run = p.run;
    playStartSignal(p);
    run.runClockStartMs = now(p);
    // The first-car start keeps the time base of its synchronisation: its offset was
    // measured from it, and the passings that follow are too.
    if (offset == 0)
        p.link.timeBase.counter = p.io.clock.counter();
    journalRunClock(p, offset);
    run.countdown = false;
    run.waitingFirstCar = false;
    run.running = true;
    run.startOffset = offset;
    run.lastRefreshMs = 0;
    const TimeParts limit = splitTime(runLimitMs(run));
    setClockText(run.remainingText, limit);
    setClockText(run.elapsedText, TimeParts{});
    for (int i = 0; i < p.entryCount; ++i)
        p.rows[std::size_t(i)].totalTime = "00:00.000";
    p.io.screen.invalidate(BoardArea::Whole);
}

namespace {

bool anyOtherCarFinished(const CarSlots& slots, const CarSlot& self) {
    for (const CarSlot& s : slots) {
        if (&s != &self && !s.isEmptySlot() && s.finished)
            return true;
    }
    return false;
}

// Gives true when this lap finished the car.
bool applyFinishRules(Program& p, CarSlot& slot) {
    const RunSession& run = p.run;
    bool finished = false;
    if (run.durationMode == DurationMode::Time) {
        finished = run.endOfTime == EndOfTime::FinishLap &&
                   std::int64_t(slot.totalTime) >= std::int64_t(run.durationMinutes) * 60'000;
    } else if (run.endOfLaps == EndOfLaps::FinishLap) {
        finished = slot.laps >= run.targetLaps || anyOtherCarFinished(p.slots, slot);
    } else if (run.endOfLaps == EndOfLaps::AllLaps) {
        finished = slot.laps >= run.targetLaps;
    }
    // The lap tables end at lap 300: a car that fills them is done.
    finished = finished || slot.laps >= kLapTableSize - 1;
    if (finished)
        slot.finished = true;
    return finished;
}

bool lapStopsRun(const RunSession& run, const CarSlot& slot) {
    if (run.durationMode == DurationMode::Time)
        return slot.laps >= run.maxLaps;
    return run.endOfLaps == EndOfLaps::Signal && slot.laps >= run.targetLaps;
}

void rankAfterLap(Program& p) {
    rankRun(p.slots, p.run.ranking, p.entryCount, p.entries, p.rows);
}

void rejectPassing(Program& p, CarSlot& slot) {
    const RaceTime ownTime = toRaceTime(slot.passingTime - slot.ownStartOffset);
    if (p.sounds.isOn(SoundKey::Passing) && ownTime - slot.lastBuzzReference > 1000 &&
        slot.lapCandidate > 2000) {
        playDoubleDetection(p);
        slot.lastBuzzReference = ownTime;
    }
}

// Steps 3 to 6 of a passing for one car; a manual passing always counts.
void carPassing(Program& p, int index, std::int64_t runTime, bool manual) {
    CarSlot& slot = p.slots[std::size_t(index)];
    slot.passingTime = runTime;
    slot.lapCandidate = toRaceTime(runTime - slot.ownStartOffset - slot.totalTime);
    const bool firstPassing = slot.laps == 0 && !slot.ownStartSet;
    if (!manual && !firstPassing && slot.lapCandidate <= p.run.minLapSeconds * 1000) {
        rejectPassing(p, slot);
        return;
    }
    const int lapsBefore = slot.laps;
    const bool finishedBefore = slot.finished;
    recordLap(slot, toRaceTime(runTime), p.run.startMode, manual);
    if (manual && slot.laps > lapsBefore)
        p.run.lastManualLap = {index, slot.laps, finishedBefore};
    updateRunBest(p.slots, index, p.run.runBestLap);
    updateTrackRecord(p.circuits, slot, p.run.circuitIndex);
    const bool finishedNow = applyFinishRules(p, slot);
    rankAfterLap(p);
    // The lap that stops the run plays no lap clip: it would cut the end signal.
    if (lapStopsRun(p.run, slot))
        stopRun(p);
    else if (finishedNow)
        announceCarFinished(p, slot.carNumber);
    else
        playLapSignal(p, slot);
    p.io.screen.invalidate(BoardArea::Rows);
    slot.justPassed = false;
}

bool matchesUnfinishedSlot(const Program& p, const Passing& passing) {
    for (const CarSlot& s : p.slots) {
        if (!s.finished && s.transponder == passing.transponder.view())
            return true;
    }
    return false;
}

void endRules(Program& p, std::int64_t remainingMs) {
    const RunSession& run = p.run;
    const bool timeUp = remainingMs < 1000;
    bool stop = false;
    if (run.durationMode == DurationMode::Time)
        stop = run.endOfTime == EndOfTime::Signal && timeUp;
    else
        stop = timeUp;
    stop = stop ||
           std::all_of(p.slots.begin(), p.slots.end(), [](const CarSlot& s) { return s.finished; });
    if (stop)
        stopRun(p);
}

void setRestTexts(RunSession& run, std::int64_t remainingMs) {
    char text[48];
    std::snprintf(text, sizeof text, "%d:00", run.restMinutes);
    run.restMinutesText = text;
    run.restElapsed = remainingMs <= 0;
    if (!run.restElapsed) {
        // Whole seconds rounded up, so the clock shows 0:00 only once the rest is over.
        const std::int64_t shown = (remainingMs + 999) / 1000;
        std::snprintf(text, sizeof text, tx(Text::RestBeforeStart), int(shown / 60),
                      int(shown % 60));
        run.restRemainingText = text;
    } else {
        run.restRemainingText = tx(Text::RestElapsed);
    }
}

void startRestPeriod(Program& p) {
    RunSession& run = p.run;
    run.restPeriod = true;
    run.restStartMs = now(p);
    run.lastRestRefreshMs = 0;
    run.restOverPlayed = false;
    setRestTexts(run, std::int64_t(run.restMinutes) * 60'000);
    p.io.screen.invalidate(BoardArea::RestPeriod);
}

} // namespace

void processPassings(Program& p, const DecodeOutput& out) {
    for (int i = 0; i < out.count; ++i) {
        const Passing& passing = out.passings[std::size_t(i)];
        if (passing.timeMs < 0)
            continue;
        if (p.run.waitingFirstCar && matchesUnfinishedSlot(p, passing))
            startRunClock(p, passing.timeMs);
        processPassing(p, passing);
    }
}

void setRunDefaults(RunSession& run) {
    run.ranking = RankingMode::LapsThenTime;
    run.durationMode = DurationMode::Time;
    run.startMode = StartMode::Signal;
    run.endOfTime = EndOfTime::FinishLap;
    run.endOfLaps = EndOfLaps::FinishLap;
    run.durationMinutes = 1;
    run.targetLaps = 1;
    run.countdownSeconds = 5;
    run.restMinutes = 0;
    run.surface = "Sec";
    run.minLapSeconds = 2;
    run.maxLaps = kQualifyingMaxLaps;
    run.maxHoursLapsRun = 2;
}

void emptySlots(CarSlots& slots) {
    for (CarSlot& s : slots) {
        s.name = kEmptySlotName;
        s.transponder.clear();
    }
    resetSlots(slots);
}

void resetSlots(CarSlots& slots) {
    for (int i = 0; i < kCarCount; ++i) {
        CarSlot& s = slots[std::size_t(i)];
        s.carNumber = i + 1;
        s.laps = 0;
        s.passings = 0;
        s.justPassed = s.newBestLap = s.runBestHolder = false;
        s.ownStartOffset = 0;
        s.ownStartSet = false;
        s.lastBuzzReference = 0;
        s.passingTime = 0;
        s.lapCandidate = 0;
        s.lapTimes.fill(0);
        s.positions.fill(0);
        s.manualLaps.fill(false);
        const bool empty = s.isEmptySlot();
        const RaceTime time = empty ? kNoTime : 0;
        s.totalTime = s.bestLap = s.bestLapFromTable = time;
        s.cumulativeTimes.fill(time);
        s.finished = s.empty = empty;
    }
}

void clearRun(Program& p) {
    if (!p.run.holdsRun || p.run.inProgress())
        return;
    if (p.io.dialogs.ask(tx(Text::ClearQuestion), tx(Text::CaptionTarvolin), Buttons::YesNo,
                         Icon::Question) == Answer::Yes)
        clearRunResults(p);
}

void clearRunResults(Program& p) {
    journalRunClear(p);
    prepareRun(p);
    if (!writeDetailResults(p.path(kDetailResultsFile), p.run.ranking, p.slots))
        p.showError(tx(Text::ErrDetailedResultsFile));
    p.run.header = ".";
    p.loaded.comment.clear();
}

void showRunSettings(RunSession& run) {
    setDurationText(run);
    setCountdownText(run, run.countdownSeconds);
}

void prepareRun(Program& p) {
    RunSession& run = p.run;
    run.ready = true;
    run.running = run.countdown = run.waitingFirstCar = false;
    resetSlots(p.slots);
    p.entryCount = buildRankEntries(p.slots, p.entries);
    clearBoardRows(p.entries, p.entryCount, p.rows);
    run.runClockStartMs = run.countdownStartMs = 0;
    run.startOffset = 0;
    setDurationText(run);
    setClockText(run.elapsedText, TimeParts{});
    setClockText(run.remainingText, TimeParts{});
    setCountdownText(run, run.countdownSeconds);
    p.io.screen.invalidate(BoardArea::Whole);
}

void startRun(Program& p) {
    RunSession& run = p.run;
    // The scan owns the decoder's passings until it ends or is released.
    if (!run.ready || run.inProgress() || p.scan.on)
        return;
    p.io.screen.setRunLocked(true);
    run.restPeriod = false;
    discardDecoderBytes(p);
    // The tone is waited for while the window goes on handling ticks and requests: the start
    // stands as in progress meanwhile, so none of them can run, stop or close the half-started
    // run.
    run.starting = true;
    playStartButtonTone(p);
    run.starting = false;
    run.ready = false;
    run.holdsRun = true;
    run.countdown = true;
    run.waitingFirstCar = false;
    run.countdownStartMs = now(p);
    run.lastRefreshMs = 0;
    p.link.synchronised = false;
    p.link.resetOutstanding = false;
    std::fill(std::begin(run.announced), std::end(run.announced), false);
    run.runBestLap = kInitialRunBest;
    run.lastManualLap = {};
    setCountdownText(run, run.countdownSeconds);
    p.io.screen.invalidate(BoardArea::Countdown);
}

void stopRun(Program& p) {
    RunSession& run = p.run;
    if (!run.heatLoaded || run.starting)
        return;
    p.io.screen.setRunLocked(false);
    // A stop during the countdown leaves the run as it was: ready to be started again.
    if (run.countdown)
        run.ready = true;
    run.countdown = false;
    run.waitingFirstCar = false;
    p.link.resetOutstanding = false;
    if (run.running) {
        run.running = false;
        journalRunStop(p);
        playStopSignal(p);
        for (CarSlot& s : p.slots)
            s.finished = true;
        for (RankEntry& e : p.entries)
            e.finished = true;
        for (BoardRow& r : p.rows)
            r.finished = true;
        if (run.restMinutes > 0)
            startRestPeriod(p);
        if (!writeCircuits(p.path(kCircuitsFile), p.circuits))
            p.showError(tx(Text::ErrCircuitsDatabase));
    }
    p.io.screen.invalidate(BoardArea::Whole);
}

void manualPassing(Program& p, int carNumber) {
    if (carNumber < 1 || carNumber > kCarCount)
        return;
    const std::int64_t hostMs = hostPassingTime(p);
    if (p.run.waitingFirstCar || p.run.running)
        journalManualPassing(p, carNumber, hostMs);
    manualPassingAt(p, carNumber, hostMs);
}

void manualPassingAt(Program& p, int carNumber, std::int64_t hostMs) {
    if (carNumber < 1 || carNumber > kCarCount)
        return;
    const int index = carNumber - 1;
    if (p.run.waitingFirstCar && !p.slots[std::size_t(index)].finished)
        startRunClock(p, hostMs);
    if (!p.run.running || p.slots[std::size_t(index)].finished)
        return;
    carPassing(p, index, hostMs - p.run.startOffset, true);
}

void processPassing(Program& p, const Passing& passing) {
    for (int i = 0; i < kCarCount && p.run.running; ++i) {
        const CarSlot& s = p.slots[std::size_t(i)];
        const std::int64_t runTime = passing.timeMs - p.run.startOffset;
        // Bytes that arrived after the countdown's last discard but before the start are
        // stamped before the time base: they are no lap of this run.
        if (runTime < 0)
            return;
        if (!s.finished && s.transponder == passing.transponder.view())
            carPassing(p, i, runTime, false);
    }
}

void recordLap(CarSlot& slot, RaceTime runTime, StartMode startMode, bool manual) {
    const bool staggered = startMode == StartMode::Staggered;
    slot.justPassed = true;
    slot.newBestLap = false;
    if (staggered && !slot.ownStartSet) {
        // This passing only starts the car's own clock.
        slot.ownStartSet = true;
        slot.ownStartOffset = runTime;
        slot.totalTime = 0;
        slot.cumulativeTimes[0] = 0;
        slot.lapTimes[0] = slot.lapCandidate;
        return;
    }
    if (slot.laps >= kLapTableSize - 1)
        return;
    ++slot.laps;
    ++slot.passings;
    const auto n = std::size_t(slot.laps);
    slot.totalTime = runTime - slot.ownStartOffset;
    slot.cumulativeTimes[n] = slot.totalTime;
    slot.lapTimes[n] = slot.lapCandidate;
    slot.manualLaps[n] = manual;
    // A lap ended by a car button is the director's count, not a measured time: it never
    // becomes a best lap, so neither the run's best nor the circuit's record.
    if (manual || slot.laps < firstTimedLap(startMode))
        return;
    if (slot.bestLap == 0) {
        slot.bestLap = slot.lapCandidate;
    } else if (slot.lapCandidate < slot.bestLap) {
        slot.bestLap = slot.lapCandidate;
        slot.newBestLap = true;
    }
}

int firstTimedLap(StartMode startMode) {
    // The first lap, from the grid to the line, never counts, except with the staggered start.
    return startMode == StartMode::Staggered ? 1 : 2;
}

void updateRunBest(CarSlots& slots, int slot, RaceTime& runBestLap) {
    const RaceTime best = slots[std::size_t(slot)].bestLap;
    if (best == 0 || best >= runBestLap)
        return;
    runBestLap = best;
    for (CarSlot& s : slots)
        s.runBestHolder = false;
    slots[std::size_t(slot)].runBestHolder = true;
}

void updateTrackRecord(CircuitTable& circuits, const CarSlot& slot, int circuitIndex) {
    if (circuitIndex < 0 || circuitIndex > kNoCircuit || slot.bestLap == 0)
        return;
    CircuitRecord& c = circuits[std::size_t(circuitIndex)];
    if (c.recordMs != 0 && c.recordMs <= slot.bestLap)
        return;
    c.recordMs = slot.bestLap;
    c.recordParts = splitTime(slot.bestLap);
    c.recordHolder = slot.name.view();
    char text[32];
    c.recordText = formatShortTime(c.recordParts, text, sizeof text);
}

void tickRestPeriod(Program& p) {
    RunSession& run = p.run;
    if (!run.restPeriod)
        return;
    const std::int64_t elapsed = now(p) - run.restStartMs;
    const std::int64_t remaining = std::int64_t(run.restMinutes) * 60'000 - elapsed;
    // Once over, the text stays as it is until the next start.
    if (!run.restElapsed &&
        (refreshDue(elapsed, now(p), run.lastRestRefreshMs) || remaining <= 0)) {
        setRestTexts(run, remaining);
        p.io.screen.invalidate(BoardArea::RestPeriod);
    }
    if (remaining <= 0 && !run.restOverPlayed) {
        run.restOverPlayed = true;
        playRestOver(p);
    }
}

void tickCountdown(Program& p) {
    RunSession& run = p.run;
    const std::int64_t elapsed = now(p) - run.countdownStartMs;
    // Whole seconds rounded up: the countdown never shows more than it was set to.
    const std::int64_t left = std::int64_t(run.countdownSeconds) * 1000 - elapsed;
    const int remaining = left > 0 ? int((left + 999) / 1000) : 0;
    if (remaining > 0 && refreshDue(elapsed, now(p), run.lastRefreshMs)) {
        setCountdownText(run, remaining);
        p.io.screen.invalidate(BoardArea::Countdown);
    }
    announceCountdown(p, remaining);
    if (remaining > 0) {
        discardDecoderBytes(p);
        return;
    }
    if (!p.link.synchronised) {
        if (!synchroniseClock(p))
            return; // tried again at the next tick
        setCountdownText(run, 0);
        setDurationText(run);
        buildRunHeader(p);
        journalRunStart(p);
        p.io.screen.invalidate(BoardArea::Countdown);
        p.io.screen.invalidate(BoardArea::Header);
    }
    if (run.startMode != StartMode::FirstCar) {
        startRunClock(p, 0);
        return;
    }
    run.waitingFirstCar = true;
    DecodeOutput out;
    readPassings(p, out);
    processPassings(p, out);
}

void tickRunning(Program& p) {
    RunSession& run = p.run;
    const std::int64_t nowMs = now(p);
    const std::int64_t elapsed = nowMs - run.runClockStartMs;
    const std::int64_t remainingMs = runLimitMs(run) - elapsed + 1000;
    const TimeParts e = splitTime(elapsed);
    const TimeParts r = splitTime(remainingMs);
    if (refreshDue(elapsed, nowMs, run.lastRefreshMs)) {
        setDurationText(run);
        // Cars finishing their last lap after time is up: nothing remains, it is not owed.
        if (run.durationMode == DurationMode::Time)
            setClockText(run.remainingText, splitTime(std::max<std::int64_t>(remainingMs, 0)));
        setClockText(run.elapsedText, e);
        p.io.screen.invalidate(BoardArea::Clock);
    }
    announceRaceClock(p, e.hours, e.minutes, e.seconds, r.hours, r.minutes, r.seconds);
    if (remainingMs < 1000 && run.startMode != StartMode::Staggered)
        playEndOfTimeSignal(p);

    DecodeOutput out;
    readPassings(p, out);
    processPassings(p, out);
    if (run.running)
        endRules(p, remainingMs);
}

} // namespace racedesk
