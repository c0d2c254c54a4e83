#include "core/app/interrupted_run.h"

#include "core/app/program.h"
#include "core/common/cp1252.h"
#include "core/common/outer_spaces.h"
#include "core/common/texts.h"
#include "core/finals/final_storage.h"
#include "core/finals/finals_levels.h"
#include "core/race/heat_storage.h"
#include "core/race/race_lifecycle.h"
#include "core/race/working_race_file.h"
#include "core/timing/journal_events.h"
#include "core/timing/journal_files.h"
#include "core/timing/journal_replay.h"
#include "core/timing/run_engine.h"

#include <cstdio>

namespace racedesk {
namespace {

bool askToResume(Program& p, const JournalRun& run) {
    const LocalDateTime at = lastRecordTime(run);
    const std::string title(withoutOuterSpaces(run.start.runTitle.view()));
    char question[400];
    std::snprintf(question, sizeof question, tx(Text::InterruptedRunQuestion), title.c_str(),
                  at.hour, at.minute, at.second);
    return p.io.dialogs.ask(question, tx(Text::CaptionTarvolin), Buttons::YesNo, Icon::Question) ==
           Answer::Yes;
}

void reportNotResumed(Program& p, const JournalRun& run) {
    const std::string file =
        run.start.raceFile.empty() ? std::string(kCrashCopyFile) : run.start.raceFile;
    char text[1400];
    std::snprintf(text, sizeof text, tx(Text::ErrInterruptedRun), utf8ToCp1252(file).c_str());
    p.showError(text);
}

// The settings the run was timed with, over those its category holds now.
void takeRunSettings(RunSession& run, const RunSession& timed) {
    run.ranking = timed.ranking;
    run.durationMode = timed.durationMode;
    run.startMode = timed.startMode;
    run.endOfTime = timed.endOfTime;
    run.endOfLaps = timed.endOfLaps;
    run.durationMinutes = timed.durationMinutes;
    run.targetLaps = timed.targetLaps;
    run.minLapSeconds = timed.minLapSeconds;
    run.maxLaps = timed.maxLaps;
    run.maxHoursLapsRun = timed.maxHoursLapsRun;
}

// The final the run was, or -1 for a qualifying heat.
int finalIndexOf(const JournalRunStart& s) {
    for (int i = 0; i < kFinalsCount; ++i) {
        if (s.sectionTitle == finalRunTitle(s.category, i))
            return i;
    }
    return -1;
}

bool namesQualifyingHeat(const JournalRunStart& s) {
    return s.round >= 1 && s.heat >= 1;
}

void loadRunOf(Program& p, const JournalRunStart& s) {
    const int finalIndex = finalIndexOf(s);
    if (finalIndex >= 0)
        loadFinal(p, s.category, finalIndex);
    else
        loadQualifyingHeat(p, s.category, s.round, s.heat);
}

} // namespace

bool findInterruptedRun(const std::vector<JournalRun>& runs, JournalRun& interrupted) {
    if (runs.empty())
        return false;
    const JournalRun& last = runs.back();
    if (last.end != JournalRunEnd::Open ||
        (!namesQualifyingHeat(last.start) && finalIndexOf(last.start) < 0))
        return false;
    interrupted = last;
    return true;
}

bool restoreInterruptedRun(Program& p, const JournalRun& run) {
    const JournalRunStart& s = run.start;
    loadRunOf(p, s);
    if (!p.loaded.loaded() || p.loaded.sectionTitle != s.sectionTitle.view())
        return false;
    ReplayedRun replayed;
    replayRun(run, replayed);
    takeRunSettings(p.run, replayed.run);
    p.slots = replayed.slots;
    p.entries = replayed.entries;
    p.entryCount = replayed.entryCount;
    p.rows = replayed.rows;
    RunSession& r = p.run;
    r.header = replayed.run.header.view();
    r.runBestLap = replayed.run.runBestLap;
    r.elapsedText = replayed.run.elapsedText.view();
    r.remainingText = replayed.run.remainingText.view();
    r.holdsRun = true;
    r.ready = r.countdown = r.waitingFirstCar = r.running = false;
    p.loaded.commitPending = true;
    showRunSettings(r);
    // The lap record the run's stop would have written.
    for (const CarSlot& slot : p.slots) {
        if (!slot.isEmptySlot())
            updateTrackRecord(p.circuits, slot, r.circuitIndex);
    }
    if (!writeCircuits(p.path(kCircuitsFile), p.circuits))
        p.showError(tx(Text::ErrCircuitsDatabase));
    p.io.screen.invalidate(BoardArea::Whole);
    return true;
}

bool offerInterruptedRun(Program& p, TreeItems& tree) {
    JournalRun run;
    if (!findInterruptedRun(journalRuns(recentJournalRecords(p.path(kJournalFolder))), run))
        return false;
    if (!askToResume(p, run)) {
        journalRunDeclined(p, run.start.stamp);
        return false;
    }
    if (!reopenCrashCopy(p, run.start.raceFile, tree)) {
        reportNotResumed(p, run);
        return false;
    }
    if (!restoreInterruptedRun(p, run))
        reportNotResumed(p, run);
    return true;
}

} // namespace racedesk
