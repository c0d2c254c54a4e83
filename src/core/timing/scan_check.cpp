#include "core/timing/scan_check.h"

#include "core/app/program.h"
#include "core/timing/decoder_link.h"
#include "core/timing/journal_events.h"
#include "core/timing/run_engine.h"

namespace racedesk {
namespace {

constexpr std::int64_t kRepeatedDetectionMs = 2000;

void playBeep(Program& p) {
    p.io.sound.play("sons/beep1.wav", false);
}

void playNokia(Program& p, bool wait) {
    p.io.sound.play("sons/nokia-sms.wav", wait);
}

bool allMarked(const ScanState& scan) {
    for (const bool m : scan.marks) {
        if (!m)
            return false;
    }
    return true;
}

void setStatus(Program& p, ScanStatus status) {
    p.scan.status = status;
    p.io.screen.scanChanged();
}

// Only the empty slots count as taken (or checked) at the outset.
void markEmptySlots(Program& p) {
    for (int i = 0; i < kCarCount; ++i)
        p.scan.marks[std::size_t(i)] = p.slots[std::size_t(i)].isEmptySlot();
}

// The entries and rows take the transponders of the drivers' slots in slot order.
void showScannedTransponders(Program& p) {
    int n = 0;
    for (const CarSlot& s : p.slots) {
        if (s.isEmptySlot())
            continue;
        p.entries[std::size_t(n)].transponder = s.transponder.view();
        p.rows[std::size_t(n)].transponder = s.transponder.view();
        ++n;
    }
    for (int i = n; i < kCarCount; ++i) {
        p.entries[std::size_t(i)].transponder.clear();
        p.rows[std::size_t(i)].transponder.clear();
    }
    p.io.screen.invalidate(BoardArea::Rows);
}

bool takenByMarkedSlot(const Program& p, const Passing& passing) {
    for (int i = 0; i < kCarCount; ++i) {
        const CarSlot& s = p.slots[std::size_t(i)];
        if (p.scan.marks[std::size_t(i)] && !s.isEmptySlot() &&
            s.transponder == passing.transponder)
            return true;
    }
    return false;
}

void beginCheck(Program& p) {
    ScanState& scan = p.scan;
    p.run.ready = false;
    scan.scanning = false;
    scan.checking = true;
    playNokia(p, true);
    p.link.timeBase.counter = p.io.clock.counter();
    p.link.timeBase.frequency = p.io.clock.counterFrequency();
    discardDecoderBytes(p);
    resetSlots(p.slots);
    markEmptySlots(p);
    scan.checkPassed.fill(false);
    scan.lastCheckMs.fill(0);
    p.entryCount = buildRankEntries(p.slots, p.entries);
    clearBoardRows(p.entries, p.entryCount, p.rows);
    for (int i = 0; i < p.entryCount; ++i)
        p.rows[std::size_t(i)].totalTime = "00:00.000";
    setStatus(p, ScanStatus::Checking);
    p.io.screen.invalidate(BoardArea::Whole);
}

void endCheck(Program& p) {
    ScanState& scan = p.scan;
    scan.on = scan.checking = scan.scanning = false;
    setStatus(p, ScanStatus::CheckDone);
    if (crossedInCarOrder(p.entries, p.entryCount))
        playNokia(p, false);
    else
        p.io.sound.play("sons/buzz.wav", false);
}

bool countsAsCheckPassing(const ScanState& scan, int slot, std::int64_t timeMs) {
    const auto i = std::size_t(slot);
    return !scan.checkPassed[i] || timeMs - scan.lastCheckMs[i] > kRepeatedDetectionMs;
}

void recordCheckLap(Program& p, int index, std::int64_t timeMs) {
    CarSlot& slot = p.slots[std::size_t(index)];
    const RaceTime time = RaceTime(timeMs);
    slot.lapCandidate = time - slot.totalTime;
    recordLap(slot, time, StartMode::Signal);
    p.scan.checkPassed[std::size_t(index)] = true;
    p.scan.lastCheckMs[std::size_t(index)] = timeMs;
    p.scan.marks[std::size_t(index)] = true;
    // Whatever the run's ranking, the check compares laps then time.
    rankRun(p.slots, RankingMode::LapsThenTime, p.entryCount, p.entries, p.rows);
    playBeep(p);
    p.io.screen.invalidate(BoardArea::Rows);
    slot.justPassed = false;
}

} // namespace

bool pressScan(Program& p) {
    ScanState& scan = p.scan;
    if (scan.mode != TransponderMode::Mixed || scan.on || p.run.inProgress())
        return false;
    scan.on = true;
    p.io.screen.scanChanged();
    discardDecoderBytes(p);
    markEmptySlots(p);
    for (CarSlot& s : p.slots)
        s.transponder.clear();
    for (RankEntry& e : p.entries)
        e.transponder.clear();
    for (BoardRow& r : p.rows)
        r.transponder.clear();
    playNokia(p, true);
    scan.scanning = true;
    scan.checking = false;
    setStatus(p, ScanStatus::Scanning);
    p.io.screen.invalidate(BoardArea::Rows);
    // A board without drivers has nothing to scan: it completes, and its check fails, at once.
    if (allMarked(scan))
        beginCheck(p);
    if (scan.checking && allMarked(scan))
        endCheck(p);
    return true;
}

void releaseScan(Program& p) {
    ScanState& scan = p.scan;
    if (!scan.on)
        return;
    scan.on = scan.scanning = scan.checking = false;
    setStatus(p, ScanStatus::Off);
    playNokia(p, true);
}

void tickScan(Program& p) {
    DecodeOutput out;
    readPassings(p, out);
    for (int i = 0; i < out.count && p.scan.on; ++i) {
        const Passing& passing = out.passings[std::size_t(i)];
        if (p.scan.scanning)
            scanPassing(p, passing);
        else if (p.scan.checking)
            checkPassing(p, passing, hostPassingTime(p));
    }
}

void scanPassing(Program& p, const Passing& passing) {
    ScanState& scan = p.scan;
    if (!scan.scanning || passing.transponder.empty() || takenByMarkedSlot(p, passing))
        return;
    for (int i = 0; i < kCarCount; ++i) {
        if (scan.marks[std::size_t(i)])
            continue;
        CarSlot& slot = p.slots[std::size_t(i)];
        slot.transponder = passing.transponder.view();
        journalTransponder(p, TransponderSource::Scan, slot.name.view(), slot.transponder.view());
        scan.marks[std::size_t(i)] = true;
        playBeep(p);
        break;
    }
    showScannedTransponders(p);
    if (allMarked(scan))
        beginCheck(p);
}

void checkPassing(Program& p, const Passing& passing, std::int64_t timeMs) {
    if (!p.scan.checking || timeMs < 0)
        return;
    for (int i = 0; i < kCarCount; ++i) {
        const CarSlot& s = p.slots[std::size_t(i)];
        if (s.isEmptySlot() || s.transponder.empty() || !(s.transponder == passing.transponder))
            continue;
        if (countsAsCheckPassing(p.scan, i, timeMs))
            recordCheckLap(p, i, timeMs);
    }
    if (allMarked(p.scan))
        endCheck(p);
}

bool crossedInCarOrder(const RankEntries& entries, int count) {
    if (count <= 0)
        return false;
    for (int i = 1; i < count; ++i) {
        if (entries[std::size_t(i)].carNumber <= entries[std::size_t(i - 1)].carNumber)
            return false;
    }
    return true;
}

} // namespace racedesk
