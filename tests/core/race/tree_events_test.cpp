#include "core/race/heat_flags.h"
#include "core/race/heat_section.h"
#include "core/race/participants_section.h"
#include "core/race/section_titles.h"
#include "core/race/tree_codes.h"
#include "core/race/tree_events.h"
#include "race_tree_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace racedesk {
namespace {

class TreeEvents : public test::RaceTreeFixture {
protected:
    // Category 2 holds three rounds of two heats and seven finals.
    void SetUp() override {
        RaceTreeFixture::SetUp();
        RaceHeader h = newRaceHeader();
        h.categoryCount = 2;
        CategoryEntry& touring = h.categories[1];
        touring.name = "Touring";
        touring.participants = 2;
        touring.rounds = 3;
        touring.heatsPerRound = 2;
        touring.finals = 7;
        useHeader(h);
    }
};

TEST_F(TreeEvents, everyNotificationRewritesTheHeaderWithTheSelectedItem) {
    beginTreeNotification(p, 23950);
    EXPECT_EQ(fileHeader().selectedItem, 23950);
    treeRightClick(p, 1000);
    EXPECT_EQ(fileHeader().selectedItem, 1000);
    treeItemExpanding(p, 21000, 23000);
    EXPECT_EQ(fileHeader().selectedItem, 21000) << "the selected item, not the one expanding";
    treeSelectionChanged(p, 24010);
    EXPECT_EQ(fileHeader().selectedItem, 24010);
    EXPECT_EQ(fileHeader().categories[1].name, "Touring") << "the rest of the header kept";
}

TEST_F(TreeEvents, aNotificationTakesUpWhatADialogWroteIntoTheHeader) {
    RaceHeader changed = fileHeader();
    changed.categories[1].participants = 12;
    ASSERT_EQ(writeRaceHeader(workingFile(), changed), WriteStatus::Written);
    EXPECT_EQ(normalisedCode(21000), beginTreeNotification(p, 21000));
    EXPECT_EQ(p.header.categories[1].participants, 12);
}

TEST_F(TreeEvents, withoutAWorkingFileTheErrorIsShownAndTheTableInMemoryKept) {
    std::filesystem::remove(workingFile());
    EXPECT_EQ(beginTreeNotification(p, 20000), 10000);
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Erreur: impossible d'ouvrir le fichier Course"});
    EXPECT_EQ(p.header.categoryCount, 2);
    EXPECT_EQ(p.header.categories[1].name, "Touring");
}

TEST_F(TreeEvents, selectingAHeatLoadsItsSection) {
    const TreeSelection s = treeSelectionChanged(p, 23302);
    EXPECT_EQ(s.target, TreeTarget::QualifyingHeat);
    EXPECT_EQ(s.category, 2);
    EXPECT_EQ(s.round, 3);
    EXPECT_EQ(s.heat, 2);
    EXPECT_EQ(p.loaded.sectionTitle.view(), heatTitle(2, 3, 2));
}

TEST_F(TreeEvents, roundItemsAndOtherItemsLoadNothing) {
    for (const int code : {23100, 23300, 23000, 23010, 23950, 1000, 20000, 24000, 25000}) {
        const TreeSelection s = treeSelectionChanged(p, code);
        EXPECT_EQ(s.target, TreeTarget::Nothing) << code;
        EXPECT_FALSE(p.loaded.loaded()) << code;
        EXPECT_FALSE(p.run.heatLoaded) << code;
    }
}

TEST_F(TreeEvents, participantsAndClassificationsNameTheDialogToOpenAndFinalsLoad) {
    TreeSelection s = treeSelectionChanged(p, 21002);
    EXPECT_EQ(s.target, TreeTarget::DriverDetails);
    EXPECT_EQ(s.category, 2);
    EXPECT_EQ(s.place, 1);
    s = treeSelectionChanged(p, 24103);
    EXPECT_EQ(s.target, TreeTarget::Final);
    EXPECT_EQ(s.finalIndex, 3);
    EXPECT_EQ(p.loaded.sectionTitle.view(), finalTitle(2, 2, true));
    s = treeSelectionChanged(p, 24100);
    EXPECT_EQ(s.target, TreeTarget::Final);
    EXPECT_EQ(s.finalIndex, 0);
    EXPECT_EQ(p.loaded.sectionTitle.view(), finaleTitle(2));
    s = treeSelectionChanged(p, 23952);
    EXPECT_EQ(s.target, TreeTarget::RoundClassification);
    EXPECT_EQ(s.round, 2);
    s = treeSelectionChanged(p, 23990);
    EXPECT_EQ(s.target, TreeTarget::OverallClassification);
    EXPECT_EQ(s.category, 2);
    EXPECT_EQ(p.loaded.sectionTitle.view(), finaleTitle(2)) << "a dialog leaves the board alone";
}

TEST_F(TreeEvents, leavingAHeatStoresItsResultsBeforeTheNextOneLoads) {
    treeSelectionChanged(p, 23101);
    p.slots[0].name = "Ann";
    p.slots[0].laps = 4;
    p.slots[0].passings = 5;
    treeSelectionChanging(p, 23101);
    treeSelectionChanged(p, 23102);
    SectionFile file(workingFile());
    StoredRun stored;
    ASSERT_TRUE(readStoredRun(file, heatTitle(2, 1, 1), stored));
    EXPECT_EQ(stored.cars[0].name, "Ann");
    EXPECT_EQ(stored.cars[0].laps, 4);
    HeatFlags flags;
    readHeatFlags(file, flags);
    EXPECT_TRUE(heatFlag(flags, 2, 1, 1));
    EXPECT_EQ(p.loaded.sectionTitle.view(), heatTitle(2, 1, 2));
    EXPECT_FALSE(file.body(heatTitle(2, 1, 2)).has_value()) << "nothing run there yet";
}

TEST_F(TreeEvents, openingOrClosingACategoryUnloadsTheRunOtherItemsDoNot) {
    treeSelectionChanged(p, 23101);
    ASSERT_TRUE(p.loaded.loaded());
    EXPECT_FALSE(treeItemExpanding(p, 23101, 23100)) << "a round";
    EXPECT_FALSE(treeItemExpanding(p, 23101, 23000));
    EXPECT_TRUE(p.loaded.loaded());
    EXPECT_TRUE(treeItemExpanding(p, 23101, 10000));
    EXPECT_FALSE(p.loaded.loaded());
    EXPECT_FALSE(p.run.heatLoaded);
}

TEST_F(TreeEvents, aBranchIsReadBackAsTheFileNowHoldsIt) {
    ParticipantTable table;
    table[0].name = "Ann";
    table[1].name = "Bob";
    {
        SectionFile file(workingFile());
        ASSERT_EQ(writeParticipants(file, 2, table), WriteStatus::Written);
    }
    const TreeItems participants = readBranch(p, 21000);
    ASSERT_EQ(participants.size(), 3u);
    EXPECT_EQ(participants[0].text, "Pilotes (2)");
    EXPECT_EQ(participants[2].text, "Bob");
    EXPECT_EQ(participants[2].code, 21002);
    EXPECT_EQ(readBranch(p, 23000).size(), 3u + 3 * 3 + 1 + 3 + 1);
    EXPECT_EQ(readBranch(p, 24000).size(), 3u + 7);
    EXPECT_TRUE(readBranch(p, 33000).empty()) << "no category 3";
    EXPECT_TRUE(readBranch(p, 23010).empty()) << "not a branch";
}

} // namespace
} // namespace racedesk
