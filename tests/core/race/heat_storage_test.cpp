#include "core/race/heat_storage.h"

#include "core/app/tick.h"
#include "core/race/heat_composition_section.h"
#include "core/race/heat_flags.h"
#include "core/race/heat_section.h"
#include "core/race/participants_section.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/section_file.h"
#include "core/race/section_titles.h"
#include "core/race/starting_grids_section.h"
#include "core/race/working_race_file.h"
#include "core/timing/run_engine.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TestProgram;

// Category 2 of a race with 8 drivers, 4 per heat, 3 rounds; round 3 starts them in reverse.
struct HeatStorage : ::testing::Test {
    TestProgram t;
    Program& p = t.program;
    std::string file;

    void SetUp() override {
        t.connectKt2();
        file = p.path(kWorkingRaceFile);
        ASSERT_TRUE(createWorkingRaceFile(file));
        RaceHeader header = newRaceHeader();
        header.categoryCount = 2;
        header.categories[1].name = "Touring 1/10";
        header.categories[1].participants = 8;
        header.categories[1].rounds = 3;
        header.categories[1].heatsPerRound = 2;
        SectionFile f(file);
        ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
        ParticipantTable participants;
        HeatComposition composition;
        composition.driversPerHeat = 4;
        composition.rounds = 3;
        for (int i = 0; i < 8; ++i) {
            const std::string name = "Driver " + std::to_string(i + 1);
            participants[std::size_t(i)].name = name;
            participants[std::size_t(i)].transponder = "00" + std::to_string(1001 + i);
            composition.places[std::size_t(i)] = name;
        }
        ASSERT_EQ(writeParticipants(f, 2, participants), WriteStatus::Written);
        ASSERT_EQ(writeHeatComposition(f, 2, composition), WriteStatus::Written);
        StartingGrids grids = defaultStartingGrids(0, 4, 3);
        grids.grids[2] = {4, 3, 2, 1};
        ASSERT_EQ(writeStartingGrids(f, 2, grids), WriteStatus::Written);
    }
    std::string bytes() const { return t.folder.read(kWorkingRaceFile); }
    std::string name(int slot) const {
        return std::string(p.slots[std::size_t(slot - 1)].name.view());
    }
    // Runs the loaded heat: car 1 does three laps by its button, then the run is stopped.
    void runHeat() {
        ASSERT_TRUE(t.startAndRun());
        for (int lap = 0; lap < 3; ++lap) {
            t.runTicks(21'000);
            manualPassing(p, 1);
        }
        stopRun(p);
    }
};

TEST_F(HeatStorage, theSecondHeatOfTheThirdRoundPlacesItsDriversByThatRoundsGrid) {
    loadQualifyingHeat(p, 2, 3, 2);
    EXPECT_EQ(p.loaded.sectionTitle.view(), "Cat\xE9gorie2M3S2");
    EXPECT_EQ(name(1), "Driver 8");
    EXPECT_EQ(name(2), "Driver 7");
    EXPECT_EQ(name(4), "Driver 5");
    EXPECT_EQ(name(5), "(NA)");
    EXPECT_EQ(std::string(p.slots[0].transponder.view()), "001008");
    EXPECT_TRUE(p.run.ready);
    EXPECT_FALSE(p.loaded.holdsResults);
    EXPECT_EQ(test::utf8(p.loaded.runTitle.view()), " Touring 1/10 - Manche3 - Série2 ");
    EXPECT_EQ(test::utf8(p.loaded.runKindTitle.view()), "Qualifications : Manche3 - Série2");
    EXPECT_EQ(p.run.maxLaps, 150);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(HeatStorage, aLoadedHeatShowsEachDriversTransponderOnTheBoardBeforeTheStart) {
    loadQualifyingHeat(p, 2, 1, 1);
    for (int i = 0; i < p.entryCount; ++i) {
        EXPECT_EQ(p.rows[std::size_t(i)].transponder, p.slots[std::size_t(i)].transponder.view());
        EXPECT_FALSE(p.rows[std::size_t(i)].transponder.empty()) << "row " << i;
    }
}

TEST_F(HeatStorage, aClubPackTimesTheRunAndPersonalModeBringsTheOwnTranspondersBack) {
    p.packs[1].transponders[0] = "1234";
    p.packs[1].transponders[1] = "77";
    p.scan.pack = 1;
    setTransponderMode(p, TransponderMode::Club);
    loadQualifyingHeat(p, 2, 1, 1);
    EXPECT_TRUE(p.slots[0].transponder.empty()) << "loading copies no own transponder";
    EXPECT_EQ(packIndexOf(p.packs[1], ""), -1);
    giveClubTransponder(p, 0, 0);
    giveClubTransponder(p, 1, 1);
    EXPECT_EQ(p.slots[0].transponder.view(), "001234");
    EXPECT_EQ(p.entries[1].transponder.view(), "000077");
    EXPECT_EQ(p.rows[0].transponder.view(), "001234");
    EXPECT_EQ(packIndexOf(p.packs[1], p.rows[1].transponder.view()), 1);

    ASSERT_TRUE(t.startAndRun());
    t.runTicks(30'000);
    t.serial.arrive(test::kt2Passing(1234, 30'000));
    t.runTicks(10);
    EXPECT_EQ(p.slots[0].laps, 1);
    stopRun(p);

    setTransponderMode(p, TransponderMode::Personal);
    loadQualifyingHeat(p, 2, 1, 2);
    loadQualifyingHeat(p, 2, 1, 1);
    EXPECT_EQ(p.slots[0].transponder.view(), "001001");
    EXPECT_EQ(p.rows[0].transponder.view(), "001001");
}

TEST_F(HeatStorage, leavingAHeatNeverRunWritesNothing) {
    const std::string before = bytes();
    loadQualifyingHeat(p, 2, 1, 1);
    commitHeat(p);
    EXPECT_EQ(bytes(), before);
}

TEST_F(HeatStorage, aRunHeatIsStoredAtTheEndAndMarksTheRaceAsStarted) {
    loadQualifyingHeat(p, 2, 1, 2);
    runHeat();
    const std::string before = bytes();
    commitHeat(p);
    const std::string after = bytes();
    const std::string title = "\r\n" + heatTitle(2, 1, 2) + "\t\r\n";
    ASSERT_EQ(after.find(title), before.size()) << "a new section lands at the end";
    EXPECT_EQ(after.size(), before.size() + title.size() + 2 * std::size_t(617 * 4 + 565) + 2);
    SectionFile f(p.path(kWorkingRaceFile));
    RaceHeader header;
    readRaceHeader(f, header);
    EXPECT_EQ(header.categories[1].qualifyingStarted, 1);
    HeatComposition composition;
    readHeatComposition(f, 2, composition);
    EXPECT_EQ(composition.qualifyingStarted, 1);
    StartingGrids grids;
    readStartingGrids(f, 2, grids);
    EXPECT_EQ(grids.qualifyingStarted, 1);
    HeatFlags flags;
    readHeatFlags(f, flags);
    EXPECT_TRUE(heatFlag(flags, 2, 1, 2));
    EXPECT_FALSE(heatFlag(flags, 2, 1, 1));
}

TEST_F(HeatStorage, aStoredHeatComesBackWithItsResultsAndIsNotReady) {
    loadQualifyingHeat(p, 2, 1, 1);
    runHeat();
    const int laps = p.slots[0].laps;
    const RaceTime total = p.slots[0].totalTime;
    commitHeat(p);
    unloadRun(p);
    loadQualifyingHeat(p, 2, 1, 1);
    EXPECT_EQ(p.slots[0].laps, laps);
    EXPECT_EQ(p.slots[0].totalTime, total);
    EXPECT_TRUE(p.loaded.holdsResults);
    EXPECT_FALSE(p.run.ready);
    EXPECT_EQ(p.rows[0].name.view(), "Driver 1");
    EXPECT_EQ(p.rows[0].laps.view(), std::to_string(laps));
    EXPECT_EQ(test::utf8(p.run.header.view()).rfind("Durée ", 0), 0u);
}

TEST_F(HeatStorage, aClearedHeatIsStoredEmptyAndItsFlagFalls) {
    loadQualifyingHeat(p, 2, 2, 1);
    runHeat();
    commitHeat(p);
    loadQualifyingHeat(p, 2, 2, 1);
    clearRun(p); // the scripted dialogs answer yes
    commitHeat(p);
    SectionFile f(p.path(kWorkingRaceFile));
    HeatFlags flags;
    readHeatFlags(f, flags);
    EXPECT_FALSE(heatFlag(flags, 2, 2, 1));
    StoredRun stored;
    ASSERT_TRUE(readStoredRun(f, heatTitle(2, 2, 1), stored));
    EXPECT_EQ(stored.cars[0].laps, 0);
    EXPECT_EQ(stored.summary.summary.view(), ".");
    RaceHeader header;
    readRaceHeader(f, header);
    EXPECT_EQ(header.categories[1].qualifyingStarted, 1) << "once started, always started";
}

TEST_F(HeatStorage, onceAFinalIsStoredQualifyingHeatsAreReadOnlyAndNeverWritten) {
    RaceHeader header;
    readRaceHeader(file, header);
    header.categories[1].finalsState = 2;
    writeRaceHeader(file, header);
    loadQualifyingHeat(p, 2, 1, 1);
    EXPECT_TRUE(p.loaded.readOnly);
    EXPECT_FALSE(p.run.ready);
    p.run.ready = true; // as if the director could start it anyway
    runHeat();
    const std::string before = bytes();
    commitHeat(p);
    EXPECT_EQ(bytes(), before);
}

TEST_F(HeatStorage, aDamagedGridRowFallsBackToTheDefaultGrid) {
    SectionFile f(file);
    StartingGrids grids = defaultStartingGrids(0, 4, 3);
    grids.grids[0] = {7, 0, 2, 2};
    writeStartingGrids(f, 2, grids);
    loadQualifyingHeat(p, 2, 1, 1);
    EXPECT_EQ(name(1), "Driver 1");
    EXPECT_EQ(name(4), "Driver 4");
}

TEST_F(HeatStorage, missingSectionsAreReportedAndTheHeatLoadsWithWhatThereIs) {
    ASSERT_TRUE(createWorkingRaceFile(file));
    loadQualifyingHeat(p, 1, 1, 1);
    std::vector<std::string> shown;
    for (const auto& m : t.dialogs.messages)
        shown.push_back(m.text);
    EXPECT_EQ(shown,
              (std::vector<std::string>{"Erreur: Intitulé de Liste des participants non trouvé",
                                        "Erreur: Intitulé de Répartition des qualifs non trouvé",
                                        "Erreur: Intitulé Grille Départ des qualifs non trouvé"}));
    EXPECT_TRUE(p.loaded.loaded());
}

} // namespace
} // namespace racedesk
