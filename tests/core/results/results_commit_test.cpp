#include "core/app/program.h"
#include "core/race/heat_composition_section.h"
#include "core/race/heat_section.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/race_header.h"
#include "core/race/results_editing.h"
#include "core/race/section_file.h"
#include "core/race/section_titles.h"
#include "core/race/starting_grids_section.h"
#include "core/race/working_race_file.h"
#include "core/timing/run_engine.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace racedesk {
namespace {

using test::TestProgram;

constexpr int kLaps = 0;
constexpr int kTotalMinutes = 2;
constexpr int kBestSeconds = 11;

// Category 1 with three drivers in one heat of one round.
struct ResultsCommit : ::testing::Test {
    TestProgram t;
    Program& p = t.program;

    void SetUp() override {
        const std::string file = p.path(kWorkingRaceFile);
        ASSERT_TRUE(createWorkingRaceFile(file));
        RaceHeader header = newRaceHeader();
        header.categories[0].participants = 3;
        header.categories[0].rounds = 1;
        header.categories[0].heatsPerRound = 1;
        SectionFile f(file);
        ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
        ParticipantTable participants;
        HeatComposition composition;
        composition.driversPerHeat = 3;
        composition.rounds = 1;
        for (int i = 0; i < 3; ++i) {
            const std::string name = "Driver " + std::to_string(i + 1);
            participants[std::size_t(i)].name = name;
            composition.places[std::size_t(i)] = name;
        }
        ASSERT_EQ(writeParticipants(f, 1, participants), WriteStatus::Written);
        ASSERT_EQ(writeHeatComposition(f, 1, composition), WriteStatus::Written);
        ASSERT_EQ(writeStartingGrids(f, 1, defaultStartingGrids(0, 3, 1)), WriteStatus::Written);
    }
    ResultsEdit editRow(int row) {
        EXPECT_TRUE(beginResultsEditing(p));
        ResultsEdit edit;
        EXPECT_TRUE(openResultsEdit(p, row, edit));
        return edit;
    }
    std::unique_ptr<StoredRun> stored() {
        auto run = std::make_unique<StoredRun>();
        SectionFile f(p.path(kWorkingRaceFile));
        EXPECT_TRUE(readStoredRun(f, heatTitle(1, 1, 1), *run));
        return run;
    }
};

TEST_F(ResultsCommit, aHeatNeverRunButEditedIsStoredAtTheNextCommit) {
    loadQualifyingHeat(p, 1, 1, 1);
    ASSERT_TRUE(p.run.ready);
    ResultsEdit edit = editRow(1);
    const std::string driver(p.rows[1].name.view());
    editResultField(p, edit, kLaps, 8);
    editResultField(p, edit, kTotalMinutes, 5);
    editResultField(p, edit, kBestSeconds, 31);
    commitHeat(p);

    const auto run = stored();
    const HeatRecordLine* line = nullptr;
    for (const HeatRecordLine& car : run->cars) {
        if (car.name == driver)
            line = &car;
    }
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->laps, 8);
    EXPECT_EQ(line->totalTime, 5 * 60'000);
    EXPECT_EQ(line->bestLap, 31'000);
    EXPECT_TRUE(p.loaded.holdsResults);
}

TEST_F(ResultsCommit, editedResultsComeBackWhenTheHeatIsLoadedAgain) {
    loadQualifyingHeat(p, 1, 1, 1);
    ResultsEdit edit = editRow(0);
    const std::string driver(p.rows[0].name.view());
    editResultField(p, edit, kLaps, 12);
    commitHeat(p);
    unloadRun(p);
    loadQualifyingHeat(p, 1, 1, 1);
    EXPECT_EQ(p.rows[0].name.view(), driver);
    EXPECT_EQ(p.rows[0].laps.view(), "12");
    EXPECT_FALSE(p.run.ready) << "a heat with results is not ready to start";
}

} // namespace
} // namespace racedesk
