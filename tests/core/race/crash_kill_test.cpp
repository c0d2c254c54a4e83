// A writer process is killed at random moments while it commits heats; each time, the working
// race file it leaves behind must read back whole: every section as it was before a commit or
// as it is after it, never a mix.
#include "core/race/heat_composition_section.h"
#include "core/race/heat_flags.h"
#include "core/race/heat_section.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/race_header.h"
#include "core/race/section_file.h"
#include "core/race/section_titles.h"
#include "core/race/starting_grids_section.h"
#include "core/race/working_race_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace racedesk {
namespace {

constexpr int kDrivers = 10;
constexpr int kHeats = 6;

void prepareRace(Program& p) {
    const std::string file = p.path(kWorkingRaceFile);
    ASSERT_TRUE(createWorkingRaceFile(file));
    RaceHeader header = newRaceHeader();
    header.categories[0].participants = kHeats * kDrivers;
    header.categories[0].rounds = 1;
    header.categories[0].heatsPerRound = kHeats;
    SectionFile f(file);
    ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
    ParticipantTable participants;
    HeatComposition composition;
    composition.driversPerHeat = kDrivers;
    for (int i = 0; i < kHeats * kDrivers; ++i) {
        participants[std::size_t(i)].name = "Driver " + std::to_string(i);
        composition.places[std::size_t(i)] = participants[std::size_t(i)].name.view();
    }
    ASSERT_EQ(writeParticipants(f, 1, participants), WriteStatus::Written);
    ASSERT_EQ(writeHeatComposition(f, 1, composition), WriteStatus::Written);
    ASSERT_EQ(writeStartingGrids(f, 1, defaultStartingGrids(0, kDrivers, 1)), WriteStatus::Written);
}

// Generation g of heat h: every car has g + 1 laps of a length that names the generation, so
// a line from one write and a line from another cannot pass for one run.
void fillRun(Program& p, int generation) {
    for (int i = 0; i < kDrivers; ++i) {
        CarSlot& s = p.slots[std::size_t(i)];
        s.laps = s.passings = generation % 40 + 1;
        for (int j = 1; j <= s.laps; ++j) {
            s.cumulativeTimes[std::size_t(j)] = j * (20'000 + generation);
            s.lapTimes[std::size_t(j)] = 20'000 + generation;
        }
        s.totalTime = s.cumulativeTimes[std::size_t(s.laps)];
        s.bestLap = 20'000 + generation;
    }
}

// Tells the parent through `done` after each commit, so that it kills a writer that has
// committed at least once, however slowly a loaded machine runs it.
[[noreturn]] void commitForever(Program& p, int done) {
    for (int generation = 0;; ++generation) {
        const int heat = generation % kHeats + 1;
        loadQualifyingHeat(p, 1, 1, heat);
        fillRun(p, generation);
        commitHeat(p);
        const char tick = 1;
        if (::write(done, &tick, 1) != 1)
            ::_exit(1);
    }
}

// Every stored heat is one generation's run, whole. Gives the number of heats stored.
int expectWholeRuns(const std::string& file) {
    int stored = 0;
    SectionFile f(file);
    EXPECT_TRUE(f.isOpen());
    RaceHeader header;
    EXPECT_TRUE(readRaceHeader(f, header));
    EXPECT_EQ(header.categories[0].heatsPerRound, kHeats);
    HeatFlags flags;
    EXPECT_TRUE(readHeatFlags(f, flags));
    HeatComposition composition;
    EXPECT_TRUE(readHeatComposition(f, 1, composition));
    EXPECT_EQ(composition.driversPerHeat, kDrivers);
    for (int heat = 1; heat <= kHeats; ++heat) {
        StoredRun run;
        if (!readStoredRun(f, heatTitle(1, 1, heat), run))
            continue;
        ++stored;
        const int generation = run.cars[0].bestLap - 20'000;
        for (int i = 0; i < kDrivers; ++i) {
            const HeatRecordLine& line = run.cars[std::size_t(i)];
            EXPECT_EQ(line.laps, generation % 40 + 1) << "heat " << heat << " car " << i;
            EXPECT_EQ(line.bestLap, 20'000 + generation);
            EXPECT_EQ(line.totalTime, line.laps * (20'000 + generation));
            EXPECT_EQ(line.cumulativeTimes[std::size_t(line.passings)], line.totalTime);
        }
        for (int i = kDrivers; i < kCarCount; ++i)
            EXPECT_EQ(run.cars[std::size_t(i)].name.view(), "(NA)");
    }
    return stored;
}

TEST(CrashSafety, aWriterKilledAtAnyMomentLeavesEverySectionWhole) {
    test::TestProgram t;
    prepareRace(t.program);
    std::mt19937 random(4242);
    int stored = 0;
    for (int round = 0; round < 60; ++round) {
        int done[2];
        ASSERT_EQ(::pipe(done), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(done[0]);
            commitForever(t.program, done[1]);
        }
        ::close(done[1]);
        char tick = 0;
        ASSERT_EQ(::read(done[0], &tick, 1), 1) << "the writer committed once";
        ::usleep(useconds_t(std::uniform_int_distribution<int>(500, 40'000)(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(done[0]);
        ASSERT_TRUE(WIFSIGNALED(status));
        stored += expectWholeRuns(t.program.path(kWorkingRaceFile));
        if (::testing::Test::HasFailure())
            return;
    }
    EXPECT_GE(stored, 60) << "every round killed a writer that had stored heats";
}

} // namespace
} // namespace racedesk
