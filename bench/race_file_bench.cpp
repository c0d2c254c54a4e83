// A full-size race file, made by the benchmark itself: 9 categories of 200 participants,
// 9 rounds of 20 heats of 20 drivers with every heat stored, and every final stored (about
// 50 MB). Loading a heat (every section it reads) and committing one are measured against a
// plain memchr pass over the same bytes, in the same run.
#include "core/common/text_file.h"
#include "core/race/heat_composition_section.h"
#include "core/race/heat_flags.h"
#include "core/race/heat_section.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/race_header.h"
#include "core/race/section_area.h"
#include "core/race/section_titles.h"
#include "core/race/starting_grids_section.h"
#include "core/race/track_section.h"
#include "core/race/working_race_file.h"
#include "core/web/meeting_site.h"
#include "support/test_program.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace racedesk {
namespace {

constexpr int kDrivers = 20;
constexpr int kPassings = 24;

StoredRun storedRun(int seed) {
    StoredRun run;
    for (int car = 0; car < kDrivers; ++car) {
        HeatRecordLine& line = run.cars[std::size_t(car)];
        line.name = "PILOTE NUMERO " + std::to_string((seed + car) % kMaxParticipants);
        line.passings = line.laps = kPassings;
        line.cumulativeTimes[0] = 0;
        for (int j = 1; j <= kPassings; ++j)
            line.cumulativeTimes[std::size_t(j)] = j * 20'000 + car * 31 + (j * seed) % 500;
        line.totalTime = line.cumulativeTimes[kPassings];
        line.lastLap = line.totalTime - line.cumulativeTimes[kPassings - 1];
        line.bestLap = 19'800;
    }
    run.summary.summary =
        "Dur\xE9"
        "e 0:05:00 - DEPARTSignalSonore - FINTEMPSFinirTour - D\xE9part 03/03/2027 9:05";
    return run;
}

void appendArea(std::string& out, const std::string& title, int units, const std::string& content) {
    appendSection(out, title, composeArea(units, content));
}

std::string categorySections(int k) {
    std::string out;
    ParticipantTable participants;
    HeatComposition composition;
    composition.qualifyingStarted = 1;
    composition.driversPerHeat = kDrivers;
    composition.rounds = kMaxRounds;
    for (int i = 0; i < kMaxParticipants; ++i) {
        participants[std::size_t(i)].name = "PILOTE NUMERO " + std::to_string(i);
        participants[std::size_t(i)].transponder = std::to_string(100000 + i);
        composition.places[std::size_t(i)] = participants[std::size_t(i)].name.view();
    }
    appendArea(out, participantsTitle(k), kParticipantsUnits, composeParticipants(participants));
    appendArea(out, qualifyingParametersTitle(k), kQualifyingParametersUnits,
               composeQualifyingParameters(QualifyingParameters{}));
    appendArea(out, heatCompositionTitle(k), kHeatCompositionUnits,
               composeHeatComposition(composition));
    appendArea(out, startingGridsTitle(k), kStartingGridsUnits,
               composeStartingGrids(defaultStartingGrids(1, kDrivers, kMaxRounds)));
    for (int r = 1; r <= kMaxRounds; ++r) {
        for (int h = 1; h <= kMaxHeatsPerRound; ++h)
            appendArea(out, heatTitle(k, r, h), storedRunUnits(heatTitle(k, r, h), kDrivers),
                       composeStoredRun(storedRun(r * 100 + h), false));
    }
    for (int level = kFinalLevels; level >= 1; --level) {
        for (const bool a : {true, false}) {
            StoredRun run = storedRun(level);
            run.state = kFinalUsedAbove;
            appendArea(out, finalTitle(k, level, a),
                       storedRunUnits(finalTitle(k, level, a), kDrivers),
                       composeStoredRun(run, true));
        }
    }
    StoredRun finale = storedRun(0);
    finale.state = kFinalStored;
    appendArea(out, finaleTitle(k), storedRunUnits(finaleTitle(k), kDrivers),
               composeStoredRun(finale, true));
    return out;
}

std::string fullRaceFile() {
    RaceHeader header = newRaceHeader();
    header.categoryCount = kMaxCategories;
    for (int k = 0; k < kMaxCategories; ++k) {
        CategoryEntry& c = header.categories[std::size_t(k)];
        c.name = "CATEGORIE " + std::to_string(k + 1);
        c.participants = kMaxParticipants;
        c.qualifyingStarted = 1;
        c.finalsState = 1;
        c.rounds = kMaxRounds;
        c.heatsPerRound = kMaxHeatsPerRound;
        c.finals = kMaxFinals;
    }
    std::string content;
    composeRaceHeader(header, content);
    std::string file = composeArea(kRaceHeaderUnits, content);
    HeatFlags flags;
    for (auto& category : flags.categories)
        category.fill(true);
    appendArea(file, std::string(kHeatFlagsTitle), kHeatFlagsUnits, composeHeatFlags(flags));
    TrackSettings track;
    track.raceName = "Grand Prix du club";
    track.circuit = "Piste du Grand Bois";
    appendArea(file, "PisteCourse", kTrackUnits, composeTrack(track));
    for (int k = 1; k <= kMaxCategories; ++k)
        file += categorySections(k);
    return file;
}

struct FullRace {
    test::TestProgram t;
    std::string bytes = fullRaceFile();
    FullRace() {
        createWorkingRaceFile(t.program.path(kWorkingRaceFile)); // makes its folder
        replaceWholeFile(t.program.path(kWorkingRaceFile), bytes);
    }
};

FullRace& race() {
    static FullRace r;
    return r;
}

void rawMemchrScan(benchmark::State& state) {
    const std::string& bytes = race().bytes;
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const char *p = bytes.data(), *end = p + bytes.size();
             (p = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)))) != nullptr;
             ++p)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
    state.counters["MB"] = double(bytes.size()) / 1e6;
}
BENCHMARK(rawMemchrScan)->Unit(benchmark::kMillisecond);

// The last heat of the last round of the last category: every look-up runs to the far end.
void loadHeat(benchmark::State& state) {
    Program& p = race().t.program;
    for (auto _ : state)
        loadQualifyingHeat(p, kMaxCategories, kMaxRounds, kMaxHeatsPerRound);
    if (p.slots[0].laps != kPassings || !p.loaded.holdsResults)
        state.SkipWithError("the heat was not loaded with its results");
}
BENCHMARK(loadHeat)->Unit(benchmark::kMillisecond);

// The same heat's web page and its category's overall classification, as the live results
// serve them: the file copied under its lock, then read.
void webPage(benchmark::State& state, const char* path) {
    const MeetingSource source{race().t.folder.path()};
    for (auto _ : state) {
        const std::optional<WebPage> page = meetingPage(source, path, true);
        if (!page)
            state.SkipWithError("no such page");
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK_CAPTURE(webPage, heat, "/category9-round9-heat20.html")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(webPage, overall, "/category9-overall.html")->Unit(benchmark::kMillisecond);

void commitHeatInPlace(benchmark::State& state) {
    Program& p = race().t.program;
    loadQualifyingHeat(p, kMaxCategories, kMaxRounds, kMaxHeatsPerRound);
    p.header.categories[kMaxCategories - 1].finalsState = 1;
    for (auto _ : state) {
        ++p.slots[3].lapTimes[1];
        commitHeat(p);
    }
    if (!race().t.dialogs.messages.empty())
        state.SkipWithError("the commit reported an error");
}
BENCHMARK(commitHeatInPlace)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace racedesk
