#include "core/race/tree_codes.h"
#include "core/race/tree_commands.h"
#include "core/race/tree_events.h"
#include "race_tree_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace racedesk {
namespace {

std::vector<int> commands(const ContextMenu& menu) {
    return {menu.commands.begin(), menu.commands.begin() + menu.count};
}

// Category 1 with a participant and a confirmed overall classification; category 2 without.
RaceHeader oneReadyCategory() {
    RaceHeader h = newRaceHeader();
    h.categoryCount = 2;
    h.categories[0].participants = 1;
    h.categories[0].finalsState = 1;
    h.categories[1].name = "Buggy";
    return h;
}

TEST(ContextMenu, itemsAlwaysOfferingTheirCommands) {
    const RaceHeader h = newRaceHeader();
    EXPECT_EQ(commands(contextMenuFor(h, 1000)), std::vector<int>{1053});
    EXPECT_EQ(commands(contextMenuFor(h, 10000)), (std::vector<int>{1051, 1052}));
    EXPECT_EQ(commands(contextMenuFor(h, 11000)), std::vector<int>{1054});
}

TEST(ContextMenu, qualifyingCommandsWaitForAParticipantAndFinalsOnesForTheClassification) {
    const RaceHeader h = oneReadyCategory();
    EXPECT_EQ(commands(contextMenuFor(h, 13010)), std::vector<int>{1055});
    EXPECT_EQ(commands(contextMenuFor(h, 13020)), std::vector<int>{1056});
    EXPECT_EQ(commands(contextMenuFor(h, 14010)), std::vector<int>{1057});
    EXPECT_EQ(commands(contextMenuFor(h, 14020)), std::vector<int>{1058});
    EXPECT_EQ(commands(contextMenuFor(h, 15000)), std::vector<int>{1059});
    for (const int code : {23010, 23020, 24010, 24020, 25000})
        EXPECT_EQ(contextMenuFor(h, code).count, 0) << code << ": category 2 is not ready";
    EXPECT_EQ(commands(contextMenuFor(h, 20000)), (std::vector<int>{1051, 1052}));
}

TEST(ContextMenu, participantsAloneDoNotOpenTheFinalsCommands) {
    RaceHeader h = newRaceHeader();
    h.categories[0].participants = 5;
    EXPECT_EQ(contextMenuFor(h, 14010).count, 0);
    EXPECT_EQ(contextMenuFor(h, 15000).count, 0);
    h.categories[0].participants = 0;
    h.categories[0].finalsState = 2;
    EXPECT_EQ(contextMenuFor(h, 13010).count, 0);
    EXPECT_EQ(commands(contextMenuFor(h, 14020)), std::vector<int>{1058});
}

TEST(ContextMenu, otherItemsHaveNone) {
    const RaceHeader h = oneReadyCategory();
    for (const int code : {13000, 13100, 13101, 13950, 13951, 13990, 14000, 14100, 11001, 30000})
        EXPECT_EQ(contextMenuFor(h, code).count, 0) << code;
}

TEST(RenameCategory, theNameIsCutToWhatTheHeaderHoldsAndAnEmptyNameIsRefused) {
    RaceHeader h = oneReadyCategory();
    EXPECT_TRUE(renameCategory(h, 2, std::string(60, 'x')));
    EXPECT_EQ(h.categories[1].name.view(), std::string(54, 'x'));
    EXPECT_FALSE(renameCategory(h, 2, ""));
    EXPECT_EQ(h.categories[1].name.view(), std::string(54, 'x'));
    EXPECT_FALSE(renameCategory(h, 3, "Nobody"));
    EXPECT_EQ(h.categories[2].name, "");
}

using CategoryCommands = test::RaceTreeFixture;

TEST_F(CategoryCommands, renamingACategoryRewritesTheHeaderOthersAreDiscarded) {
    useHeader(oneReadyCategory());
    EXPECT_TRUE(treeBeginLabelEdit(p, 20000));
    EXPECT_TRUE(treeEndLabelEdit(p, 20000, "Touring 1/10"));
    EXPECT_EQ(fileHeader().categories[1].name, "Touring 1/10");
    EXPECT_EQ(p.header.categories[1].name, "Touring 1/10");

    EXPECT_FALSE(treeEndLabelEdit(p, 20000, ""));
    EXPECT_EQ(fileHeader().categories[1].name, "Touring 1/10") << "an empty name keeps the old";

    EXPECT_FALSE(treeBeginLabelEdit(p, 21000));
    EXPECT_FALSE(treeEndLabelEdit(p, 21000, "Pilots"));
    EXPECT_EQ(fileHeader().categories[0].name, "CATEGORIE 1");
    EXPECT_EQ(fileHeader().categories[1].name, "Touring 1/10");
    EXPECT_EQ(fileHeader().selectedItem, 21000) << "the edit was still a notification";
}

TEST_F(CategoryCommands, newCategoriesAreNumberedAndAppendedUntilTheNinth) {
    for (int n = 2; n <= 9; ++n) {
        const TreeItems branch = addCategory(p);
        ASSERT_FALSE(branch.empty()) << n;
        EXPECT_EQ(branch.front().code, n * 10000);
        EXPECT_EQ(branch.front().text.view(), "CATEGORIE " + std::to_string(n));
        EXPECT_TRUE(branch.front().bold);
        EXPECT_EQ(branch.front().image, TreeImage::Category);
    }
    const RaceHeader h = fileHeader();
    ASSERT_EQ(h.categoryCount, 9);
    EXPECT_EQ(h.categories[8].name, "CATEGORIE 9");
    EXPECT_EQ(h.categories[8].participants + h.categories[8].rounds + h.categories[8].finals, 0);

    const std::string before = workingBytes();
    EXPECT_TRUE(addCategory(p).empty()) << "a tenth category";
    EXPECT_EQ(p.header.categoryCount, 9);
    EXPECT_EQ(workingBytes(), before);
}

TEST_F(CategoryCommands, aNewCategorysBranchHoldsItsEmptyItems) {
    std::vector<int> codes;
    for (const TreeItem& item : addCategory(p))
        codes.push_back(item.code);
    EXPECT_EQ(codes, (std::vector<int>{20000, 21000, 23000, 23010, 23020, 23950, 24000, 24010,
                                       24020, 25000}));
}

TEST_F(CategoryCommands, aNewCategoryStartsFromDefaultsWhateverTheTableHeldPastTheCount) {
    RaceHeader h = oneReadyCategory();
    h.categories[2].name = "left over";
    h.categories[2].rounds = 4;
    useHeader(h);
    addCategory(p);
    EXPECT_EQ(fileHeader().categories[2].name, "CATEGORIE 3");
    EXPECT_EQ(fileHeader().categories[2].rounds, 0);
}

} // namespace
} // namespace racedesk
