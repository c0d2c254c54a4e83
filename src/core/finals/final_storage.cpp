#include "core/finals/final_storage.h"

#include "core/app/program.h"
#include "core/finals/final_filling.h"
#include "core/finals/finals_levels.h"
#include "core/finals/finals_texts.h"
#include "core/race/classification_sections.h"
#include "core/race/finals_sections.h"
#include "core/race/heat_flags.h"
#include "core/race/heat_section.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/run_loading.h"
#include "core/race/section_titles.h"
#include "core/race/tree_codes.h"
#include "core/race/working_race_file.h"
#include "core/race/write_report.h"
#include "core/timing/run_engine.h"
#include "core/timing/transponder_modes.h"

#include <memory>

namespace racedesk {
namespace {

constexpr int kFinalsHoursOfALapsRun = 3;

// Finals are timed runs ranked by laps then time, the length of their level.
void applySettings(RunSession& run, const FinalsComposition& c, const FinalsParameters& f,
                   int level, const TrackSettings& track) {
    setRunDefaults(run);
    run.durationMode = DurationMode::Time;
    run.ranking = RankingMode::LapsThenTime;
    run.durationMinutes = durationOf(c, level);
    run.restMinutes = restOf(c, level);
    run.startMode = f.start;
    run.endOfTime = f.endOfTime;
    run.countdownSeconds = f.countdownSeconds;
    run.maxLaps = kFinalsMaxLaps;
    run.maxHoursLapsRun = kFinalsHoursOfALapsRun;
    run.minLapSeconds = track.protectionSeconds;
}

// The feeders as stored, and whether every one of them is: a final of the deepest level has
// none and counts as fed.
struct StoredFeeders {
    std::array<StoredRun, 2> runs;
    FinalFeeders feeders;
    bool fed = true;
};

void readFeeders(SectionFile& file, const std::vector<std::string>& titles, StoredFeeders& s) {
    for (std::size_t i = 0; i < titles.size() && i < s.runs.size(); ++i) {
        const bool stored =
            readStoredRun(file, titles[i], s.runs[i]) && s.runs[i].state >= kFinalStored;
        (i == 0 ? s.feeders.a : s.feeders.b) = stored ? &s.runs[i] : nullptr;
        s.fed = s.fed && stored;
    }
}

void placeDrivers(Program& p, const FinalField& field) {
    emptySlots(p.slots);
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (!field[i].empty())
            p.slots[i].name = field[i].view();
    }
}

} // namespace

void setFinalTitles(LoadedRun& l, const CategoryName& category, const TrackSettings& track,
                    int finalIndex) {
    const char* name = category.c_str();
    const int level = levelOfFinal(finalIndex);
    if (level == 0) {
        formatInto(l.runTitle, FinalsText::RunTitleFinale, name);
        formatInto(l.runKindTitle, FinalsText::RunKindFinale);
    } else {
        const char letter = isAFinal(finalIndex) ? 'A' : 'B';
        formatInto(l.runTitle, FinalsText::RunTitleFinal, name, 1 << level, letter);
        formatInto(l.runKindTitle, FinalsText::RunKindFinal, 1 << level, letter);
    }
    formatInto(l.categoryTitle, Text::CategoryTitle, name);
    formatInto(l.raceLine, Text::RaceLine, track.raceName.c_str(), track.circuit.c_str());
}

std::vector<std::string> feederTitles(int category, int levels, int finalIndex) {
    const int level = levelOfFinal(finalIndex);
    if (level >= levels)
        return {};
    if (level == 0)
        return {finalTitle(category, 1, true), finalTitle(category, 1, false)};
    return {finalTitle(category, level + 1, isAFinal(finalIndex))};
}

void loadFinal(Program& p, int category, int finalIndex) {
    if (p.run.inProgress() || category < 1 || category > kMaxCategories || finalIndex < 0 ||
        finalIndex >= kFinalsCount)
        return;
    unloadRun(p);
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return;
    }
    readRaceHeader(file, p.header);
    const CategoryEntry& entry = p.header.categories[std::size_t(category - 1)];
    reportMissing(p, readParticipants(file, category, p.participants), kParticipantsTitleNotFound);
    auto overall = std::make_unique<OverallClassification>();
    reportMissing(p, readOverallClassification(file, category, entry.participants, *overall),
                  kOverallClassificationTitleNotFound);
    FinalsComposition composition;
    FinalsParameters parameters;
    readFinalsComposition(file, category, entry.participants, composition);
    readFinalsParameters(file, category, parameters);
    readTrack(file, p.track);

    LoadedRun& l = p.loaded;
    l.category = category;
    l.finalIndex = finalIndex;
    l.finalLevels = levelsOfFinals(entry.finals);
    l.itemCode = itemCode(category, finalItem(finalIndex));
    auto feeders = std::make_unique<StoredFeeders>();
    readFeeders(file, feederTitles(category, l.finalLevels, finalIndex), *feeders);
    applySettings(p.run, composition, parameters, levelOfFinal(finalIndex), p.track);
    setFinalTitles(l, p.header.categories[std::size_t(category - 1)].name, p.track, finalIndex);
    placeDrivers(
        p, fillFinal(composition, l.finalLevels, finalIndex, overall->names, feeders->feeders));

    l.sectionTitle = finalRunTitle(category, finalIndex);
    auto own = std::make_unique<StoredRun>();
    const bool found = readStoredRun(file, l.sectionTitle.view(), *own);
    if (found)
        restoreSlots(*own, p.slots);
    prepareRun(p);
    p.run.header = l.runTitle.view();
    if (found)
        showStoredRun(p, *own);
    applyParticipantTransponders(p);
    showFrequencyConflict(p);

    l.finalState = found ? own->state : kFinalNotStored;
    l.holdsResults = holdsResults(p.slots);
    l.commitPending = l.holdsResults;
    l.readOnly = !feeders->fed || l.finalState >= kFinalUsedAbove;
    if (l.holdsResults)
        rankLoadedRun(p);
    p.run.ready = !l.holdsResults && !l.readOnly;
    p.run.heatLoaded = p.run.holdsRun = true;
    p.io.screen.runChanged();
    p.io.screen.invalidate(BoardArea::Whole);
}

void commitFinal(Program& p) {
    LoadedRun& l = p.loaded;
    if (!l.commitPending || l.finalState > kFinalStored)
        return;
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return;
    }
    readRaceHeader(file, p.header);
    CategoryEntry& category = p.header.categories[std::size_t(l.category - 1)];
    FinalsComposition composition;
    readFinalsComposition(file, l.category, category.participants, composition);

    p.io.screen.setHeatImage(l.itemCode, true);
    RunSummary summary;
    summary.summary = p.run.header.view();
    summary.comment = l.comment.view();
    summary.condition = l.condition.view();
    auto run = std::make_unique<StoredRun>(storedRunFromSlots(p.slots, summary, kFinalStored));
    reportWrite(p, writeStoredRun(file, l.sectionTitle.view(), composition.driversPerFinal, *run),
                kFinalTitleNotFound);
    for (const std::string& feeder : feederTitles(l.category, l.finalLevels, l.finalIndex)) {
        if (file.body(feeder))
            reportWrite(p, file.overwriteFirstInteger(feeder, kFinalUsedAbove),
                        kFinalTitleNotFound);
    }
    category.finalsState = 2;
    reportWrite(p, writeRaceHeader(file, p.header), Text::ErrRaceFile);
    HeatFlags flags;
    readHeatFlags(file, flags);
    setFinalFlag(flags, l.category, levelOfFinal(l.finalIndex), isAFinal(l.finalIndex), true);
    reportWrite(p, writeHeatFlags(file, flags), kHeatFlagsTitleNotFound);
    l.finalState = kFinalStored;
    l.holdsResults = holdsResults(p.slots);
}

void retakeFinalSettings(Program& p, int category) {
    const LoadedRun& l = p.loaded;
    if (!l.loaded() || !isFinalRunTitle(l.sectionTitle.view()) || l.category != category ||
        p.run.inProgress())
        return;
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen()) {
        p.showError(tx(Text::ErrRaceFile));
        return;
    }
    FinalsComposition composition;
    FinalsParameters parameters;
    readFinalsComposition(file, category,
                          p.header.categories[std::size_t(category - 1)].participants, composition);
    readFinalsParameters(file, category, parameters);
    applySettings(p.run, composition, parameters, levelOfFinal(l.finalIndex), p.track);
    showRunSettings(p.run);
    p.io.screen.invalidate(BoardArea::Whole);
}

} // namespace racedesk
