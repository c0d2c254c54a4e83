#include "core/race/heat_storage.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/finals/final_storage.h"
#include "core/race/heat_composition_section.h"
#include "core/race/heat_flags.h"
#include "core/race/heat_section.h"
#include "core/race/participants_section.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/race_header.h"
#include "core/race/run_loading.h"
#include "core/race/section_file.h"
#include "core/race/section_titles.h"
#include "core/race/starting_grids_section.h"
#include "core/race/working_race_file.h"
#include "core/race/write_report.h"
#include "core/timing/frequency_conflict.h"
#include "core/timing/journal_events.h"
#include "core/timing/ranking.h"
#include "core/timing/run_engine.h"
#include "core/timing/transponder_modes.h"

namespace racedesk {
namespace {

constexpr int kQualifyingLapCapacity = 150;
constexpr int kQualifyingHoursOfALapsRun = 2;

void applyParameters(RunSession& run, const QualifyingParameters& q, const TrackSettings& track) {
    setRunDefaults(run);
    run.ranking = q.ranking;
    run.durationMode = q.duration;
    run.durationMinutes = q.minutes;
    run.targetLaps = q.laps;
    run.countdownSeconds = q.countdownSeconds;
    run.restMinutes = q.restMinutes;
    run.startMode = q.start;
    run.endOfTime = q.endOfTime;
    run.endOfLaps = q.endOfLaps;
    run.maxLaps = kQualifyingLapCapacity;
    run.maxHoursLapsRun = kQualifyingHoursOfALapsRun;
    run.minLapSeconds = track.protectionSeconds;
}

// Slot i takes the driver the round's grid gives position i in this heat.
void placeDrivers(Program& p, const HeatComposition& composition, const StartingGrids& grids,
                  int round, int heat) {
    emptySlots(p.slots);
    const int n = composition.driversPerHeat;
    const RoundGrid grid = roundGrid(grids, n, round);
    for (int i = 0; i < n && i < kCarCount; ++i) {
        const std::string_view name = heatDriver(composition, heat, grid[std::size_t(i)]);
        p.slots[std::size_t(i)].name = name.empty() ? std::string_view(kEmptySlotName) : name;
    }
}

} // namespace

void setHeatTitles(LoadedRun& l, const CategoryName& category, const TrackSettings& track,
                   int round, int heat) {
    formatInto(l.runTitle, Text::RunTitleQualifying, category.c_str(), round, heat);
    formatInto(l.categoryTitle, Text::CategoryTitle, category.c_str());
    formatInto(l.runKindTitle, Text::QualifyingRunTitle, round, heat);
    formatInto(l.raceLine, Text::RaceLine, track.raceName.c_str(), track.circuit.c_str());
}

bool holdsResults(const CarSlots& slots) {
    for (const CarSlot& s : slots) {
        if (!s.isEmptySlot() &&
            (s.passings != 0 || s.laps != 0 || s.totalTime != 0 || s.bestLap != 0))
            return true;
    }
    return false;
}

void reportMissing(Program& p, bool found, Text message) {
    if (!found)
        p.showError(tx(message));
}

void showFrequencyConflict(Program& p) {
    p.board.conflictText = frequencyConflictText(p.slots, p.participants);
    p.board.conflict = !p.board.conflictText.empty();
}

void showStoredRun(Program& p, const StoredRun& stored) {
    restoreSlots(stored, p.slots);
    for (CarSlot& s : p.slots)
        s.finished = true;
    p.run.header = stored.summary.summary.view();
    p.loaded.comment = stored.summary.comment.view();
    p.loaded.condition = stored.summary.condition.view();
}

void rankLoadedRun(Program& p) {
    p.entryCount = buildRankEntries(p.slots, p.entries);
    clearBoardRows(p.entries, p.entryCount, p.rows);
    rankRun(p.slots, p.run.ranking, p.entryCount, p.entries, p.rows);
}

void unloadRun(Program& p) {
    p.loaded = LoadedRun{};
    emptySlots(p.slots);
    p.entryCount = buildRankEntries(p.slots, p.entries);
    clearBoardRows(p.entries, p.entryCount, p.rows);
    p.run.ready = p.run.holdsRun = p.run.heatLoaded = false;
    p.run.header.clear();
    p.board.conflict = false;
    p.board.conflictText.clear();
    p.io.screen.runChanged();
    p.io.screen.invalidate(BoardArea::Whole);
}

void loadQualifyingHeat(Program& p, int category, int round, int heat) {
    if (p.run.inProgress() || category < 1 || category > kMaxCategories)
        return;
    unloadRun(p);
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return;
    }
    readRaceHeader(file, p.header);
    HeatComposition composition;
    StartingGrids grids;
    QualifyingParameters parameters;
    reportMissing(p, readParticipants(file, category, p.participants), kParticipantsTitleNotFound);
    reportMissing(p, readHeatComposition(file, category, composition),
                  kHeatCompositionTitleNotFound);
    reportMissing(p, readStartingGrids(file, category, grids), kStartingGridsTitleNotFound);
    readQualifyingParameters(file, category, parameters);
    readTrack(file, p.track);
    applyParameters(p.run, parameters, p.track);

    LoadedRun& l = p.loaded;
    l.category = category;
    l.round = round;
    l.heat = heat;
    l.itemCode = category * 10000 + 3000 + 100 * round + heat;
    setHeatTitles(l, p.header.categories[std::size_t(category - 1)].name, p.track, round, heat);
    placeDrivers(p, composition, grids, round, heat);

    l.sectionTitle = heatTitle(category, round, heat);
    StoredRun stored;
    const bool found = readStoredRun(file, l.sectionTitle.view(), stored);
    if (found)
        restoreSlots(stored, p.slots);
    prepareRun(p);
    p.run.header = l.runTitle.view();
    if (found)
        showStoredRun(p, stored);
    applyParticipantTransponders(p);
    showFrequencyConflict(p);

    l.holdsResults = holdsResults(p.slots);
    l.commitPending = l.holdsResults;
    l.readOnly = p.header.categories[std::size_t(category - 1)].finalsState == 2;
    if (l.holdsResults)
        rankLoadedRun(p);
    p.run.ready = !l.holdsResults && !l.readOnly;
    p.run.heatLoaded = p.run.holdsRun = true;
    p.io.screen.runChanged();
    p.io.screen.invalidate(BoardArea::Whole);
}

void retakeQualifyingParameters(Program& p, int category) {
    const LoadedRun& l = p.loaded;
    if (!l.loaded() || isFinalRunTitle(l.sectionTitle.view()) || l.category != category ||
        p.run.inProgress())
        return;
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return;
    }
    QualifyingParameters parameters;
    readQualifyingParameters(file, category, parameters);
    applyParameters(p.run, parameters, p.track);
    if (holdsResults(p.slots))
        rankLoadedRun(p);
    showRunSettings(p.run);
    p.io.screen.invalidate(BoardArea::Whole);
}

void commitHeat(Program& p) {
    LoadedRun& l = p.loaded;
    const bool holds = holdsResults(p.slots);
    if (holds)
        l.commitPending = true;
    if (l.loaded() && isFinalRunTitle(l.sectionTitle.view())) {
        commitFinal(p);
        return;
    }
    if (!l.loaded() || !l.commitPending)
        return;
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return;
    }
    readRaceHeader(file, p.header);
    CategoryEntry& category = p.header.categories[std::size_t(l.category - 1)];
    if (category.finalsState > 1)
        return;
    HeatComposition composition;
    readHeatComposition(file, l.category, composition);

    p.io.screen.setHeatImage(l.itemCode, holds);
    RunSummary summary;
    summary.summary = p.run.header.view();
    summary.comment = l.comment.view();
    summary.condition = l.condition.view();
    const StoredRun run = storedRunFromSlots(p.slots, summary, kFinalNotStored);
    reportWrite(p, writeStoredRun(file, l.sectionTitle.view(), composition.driversPerHeat, run),
                kHeatTitleNotFound);

    category.qualifyingStarted = 1;
    reportWrite(p, writeRaceHeader(file, p.header), Text::ErrRaceFile);
    reportWrite(p, file.overwriteFirstInteger(heatCompositionTitle(l.category), 1),
                kHeatCompositionTitleNotFound);
    reportWrite(p, file.overwriteFirstInteger(startingGridsTitle(l.category), 1),
                kStartingGridsTitleNotFound);
    HeatFlags flags;
    readHeatFlags(file, flags);
    setHeatFlag(flags, l.category, l.round, l.heat, holds);
    reportWrite(p, writeHeatFlags(file, flags), kHeatFlagsTitleNotFound);
    l.holdsResults = holds;
    journalRunCommit(p);
}

void retakeParticipantDetails(Program& p) {
    if (p.run.inProgress())
        return;
    applyParticipantTransponders(p);
    showFrequencyConflict(p);
    if (holdsResults(p.slots)) {
        rankLoadedRun(p);
    } else {
        p.entryCount = buildRankEntries(p.slots, p.entries);
        clearBoardRows(p.entries, p.entryCount, p.rows);
    }
    p.io.screen.invalidate(BoardArea::Whole);
}

} // namespace racedesk
