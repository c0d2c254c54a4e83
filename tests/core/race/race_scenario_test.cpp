// A race built through the core functions as the director builds it, its working race file
// checked against the layouts at each step: every section at the end after an empty line,
// areas of their reserved size, tab-terminated fields, CR LF line ends, Windows-1252 titles.
#include "core/race/heat_composition_section.h"
#include "core/race/heat_section.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/race_lifecycle.h"
#include "core/race/section_area.h"
#include "core/race/section_titles.h"
#include "core/race/starting_grids_section.h"
#include "core/race/tree_commands.h"
#include "core/race/tree_events.h"
#include "core/race/working_race_file.h"
#include "core/timing/run_engine.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <map>

namespace racedesk {
namespace {

using test::TestProgram;

constexpr int kDrivers = 3;

// Walks the file: the header area, then "\r\n" + title + "\t\r\n" + area, section after
// section, each area the size its title reserves. Gives the titles in file order.
std::vector<std::string> checkLayout(const std::string& bytes,
                                     const std::map<std::string, int>& units) {
    std::vector<std::string> titles;
    EXPECT_GE(bytes.size(), areaSize(kRaceHeaderUnits));
    EXPECT_EQ(bytes.substr(areaSize(kRaceHeaderUnits) - 2, 2), "\r\n");
    std::size_t at = areaSize(kRaceHeaderUnits);
    while (at < bytes.size()) {
        EXPECT_EQ(bytes.substr(at, 2), "\r\n") << "an empty line before each section, at " << at;
        const std::size_t tab = bytes.find('\t', at + 2);
        const std::string title = bytes.substr(at + 2, tab - at - 2);
        EXPECT_EQ(bytes.substr(tab, 3), "\t\r\n") << title;
        const auto known = units.find(title);
        if (known == units.end()) {
            ADD_FAILURE() << "unexpected section " << title;
            return titles;
        }
        titles.push_back(title);
        const std::size_t body = tab + 3;
        const std::size_t end = body + areaSize(known->second);
        EXPECT_LE(end, bytes.size()) << title;
        EXPECT_EQ(bytes.substr(end - 2, 2), "\r\n") << title;
        at = end;
    }
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && bytes[i - 1] != '\r')
            ADD_FAILURE() << "a bare line feed at " << i;
    }
    return titles;
}

struct RaceScenario : ::testing::Test {
    TestProgram t;
    Program& p = t.program;
    std::map<std::string, int> units{{std::string(kHeatFlagsTitle), kHeatFlagsUnits}};

    void SetUp() override {
        t.connectKt2();
        ASSERT_TRUE(createWorkingRaceFile(p.path(kWorkingRaceFile)));
    }
    std::string file() const { return t.folder.read(kWorkingRaceFile); }
    // What the participants and composition dialogs write for category k: 6 drivers in
    // 2 heats of 3, over 2 rounds, round 2 reversing the grid.
    void enterDrivers(int k) {
        SectionFile f(p.path(kWorkingRaceFile));
        RaceHeader header;
        readRaceHeader(f, header);
        header.categories[std::size_t(k - 1)].participants = 6;
        header.categories[std::size_t(k - 1)].rounds = 2;
        header.categories[std::size_t(k - 1)].heatsPerRound = 2;
        ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
        ParticipantTable drivers;
        HeatComposition composition;
        composition.driversPerHeat = kDrivers;
        composition.rounds = 2;
        for (int i = 0; i < 6; ++i) {
            drivers[std::size_t(i)].name = "Pilote \xE9" + std::to_string(k * 10 + i);
            char transponder[8];
            std::snprintf(transponder, sizeof transponder, "%06d", 1001 + i);
            drivers[std::size_t(i)].transponder = transponder;
            composition.places[std::size_t(i)] = drivers[std::size_t(i)].name.view();
        }
        ASSERT_EQ(writeParticipants(f, k, drivers), WriteStatus::Written);
        ASSERT_EQ(writeHeatComposition(f, k, composition), WriteStatus::Written);
        StartingGrids grids = defaultStartingGrids(0, kDrivers, 2);
        grids.grids[1] = {3, 2, 1};
        ASSERT_EQ(writeStartingGrids(f, k, grids), WriteStatus::Written);
        units[participantsTitle(k)] = kParticipantsUnits;
        units[heatCompositionTitle(k)] = kHeatCompositionUnits;
        units[startingGridsTitle(k)] = kStartingGridsUnits;
    }
    // Selecting a heat in the tree: the heat left is committed, the new one loaded.
    void select(int k, int r, int h) {
        const int code = k * 10000 + 3000 + 100 * r + h;
        treeSelectionChanging(p, code);
        treeSelectionChanged(p, code);
        units[heatTitle(k, r, h)] = 617 * kDrivers + 565;
    }
    // Every car laps every 20 s for a minute, by decoder passings.
    void runHeat() {
        p.run.durationMinutes = 1;
        ASSERT_TRUE(t.startAndRun());
        for (int lap = 1; lap <= 3; ++lap) {
            for (int car = 0; car < kDrivers; ++car) {
                const auto& transponder = p.slots[std::size_t(car)].transponder;
                t.serial.arrive(test::kt2Passing(std::stoi(std::string(transponder.view())),
                                                 lap * 20'500 + car * 300));
            }
            t.runTicks(20'500);
        }
        ASSERT_FALSE(p.run.running) << "every car crossed after the minute";
    }
};

TEST_F(RaceScenario, aMeetingBuiltStepByStepKeepsItsFileToTheLayouts) {
    beginTreeNotification(p, 10000); // the category item, right-clicked
    addCategory(p);
    enterDrivers(1);
    enterDrivers(2);
    EXPECT_EQ(checkLayout(file(), units).size(), 7u);

    select(2, 2, 1);
    EXPECT_EQ(std::string(p.slots[0].name.view()), "Pilote \xE9"
                                                   "22")
        << "round 2 reverses";
    runHeat();
    select(2, 1, 1); // leaving the heat stores it
    std::vector<std::string> titles = checkLayout(file(), units);
    ASSERT_EQ(titles.back(), heatTitle(2, 2, 1)) << "a new section lands at the end";
    const std::size_t heatAt = file().find("\r\n" + heatTitle(2, 2, 1) + "\t\r\n");
    const std::size_t size = file().size();

    runHeat();
    select(2, 2, 1); // back to the first heat: shown with its results, not ready
    EXPECT_TRUE(p.loaded.holdsResults);
    EXPECT_FALSE(p.run.ready);
    EXPECT_EQ(file().find("\r\n" + heatTitle(2, 2, 1) + "\t\r\n"), heatAt);
    EXPECT_EQ(file().size(), size + 2 + heatTitle(2, 1, 1).size() + 3 + areaSize(617 * 3 + 565));

    clearRun(p);
    select(2, 2, 2); // the cleared heat is rewritten in place
    EXPECT_EQ(file().find("\r\n" + heatTitle(2, 2, 1) + "\t\r\n"), heatAt);
    titles = checkLayout(file(), units);
    EXPECT_EQ(titles.size(), 9u);
    SectionFile f(p.path(kWorkingRaceFile));
    StoredRun cleared;
    ASSERT_TRUE(readStoredRun(f, heatTitle(2, 2, 1), cleared));
    EXPECT_EQ(cleared.cars[0].laps, 0);
    StoredRun kept;
    ASSERT_TRUE(readStoredRun(f, heatTitle(2, 1, 1), kept));
    EXPECT_EQ(kept.cars[0].laps, 3);
    EXPECT_EQ(kept.cars[0].passings, 3);
    const std::string line = "Pilote \xE9"
                             "20\t3\t3\t61500\t20500\t20500\t0\t20500\t41000\t61500\t\r\n";
    EXPECT_NE(file().find(line), std::string::npos) << "a car line as the layout writes it";

    // Saved under a name, then loaded into another working folder: the same bytes.
    t.dialogs.files = {t.folder.file("meeting")};
    ASSERT_TRUE(saveRaceAs(p));
    TestProgram other;
    ASSERT_TRUE(createWorkingRaceFile(other.program.path(kWorkingRaceFile)));
    other.dialogs.files = {t.folder.file("meeting.race")};
    other.dialogs.answers = {Answer::No};
    TreeItems tree;
    ASSERT_TRUE(loadRace(other.program, tree));
    EXPECT_EQ(other.folder.read(kWorkingRaceFile), file());
    EXPECT_EQ(other.program.header.categoryCount, 2);
}

} // namespace
} // namespace racedesk
