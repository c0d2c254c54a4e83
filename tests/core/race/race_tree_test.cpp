#include "core/common/cp1252.h"
#include "core/race/race_tree.h"
#include "core/race/tree_codes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace racedesk {
namespace {

// "code text <parent code>" for each item, the text in UTF-8; 0 for a top-level item.
std::vector<std::string> outline(const TreeItems& items) {
    std::vector<std::string> lines;
    for (const TreeItem& item : items) {
        const int parent = item.parent < 0 ? 0 : items[std::size_t(item.parent)].code;
        lines.push_back(std::to_string(item.code) + " " + cp1252ToUtf8(item.text.view()) + " <" +
                        std::to_string(parent));
    }
    return lines;
}

const TreeItem* find(const TreeItems& items, int code) {
    for (const TreeItem& item : items) {
        if (item.code == code)
            return &item;
    }
    return nullptr;
}

// Category 1 as a new race has it; category 2 with three rounds of two heats and seven finals
// (the 1/8 finals and up), four drivers, the fourth after a free place.
TreeSources twoCategories() {
    TreeSources s;
    s.header = newRaceHeader();
    s.header.categoryCount = 2;
    CategoryEntry& touring = s.header.categories[1];
    touring.name = "Touring \xC9lite";
    touring.participants = 3;
    touring.rounds = 3;
    touring.heatsPerRound = 2;
    touring.finals = 7;
    s.names[1][0] = "Ann";
    s.names[1][1] = "Bob";
    s.names[1][2] = "Cyd";
    s.names[1][4] = "Dan";
    return s;
}

TEST(RaceTree, aNewRaceShowsTheTrackAndItsOneCategoryWithEmptyBranches) {
    TreeSources s;
    s.header = newRaceHeader();
    EXPECT_EQ(outline(raceTree(s)), (std::vector<std::string>{
                                        "1000 Piste <0",
                                        "10000 CATEGORIE 1 <0",
                                        "11000 Pilotes (0) <10000",
                                        "13000 Qualifs <10000",
                                        "13010 Paramètres <13000",
                                        "13020 Répartition <13000",
                                        "13950 Classements <13000",
                                        "14000 Remontées <10000",
                                        "14010 Paramètres <14000",
                                        "14020 Répartition <14000",
                                        "15000 xRapport de cloture <10000",
                                    }));
}

TEST(RaceTree, roundsHeatsClassificationsAndFinalsComeInTheirOrderUnderTheirCategory) {
    const TreeItems items = raceTree(twoCategories());
    std::vector<std::string> second = outline(items);
    second.erase(second.begin(), second.begin() + 11); // the track and category 1
    EXPECT_EQ(second, (std::vector<std::string>{
                          "20000 Touring Élite <0",
                          "21000 Pilotes (3) <20000",
                          "21001 Ann <21000",
                          "21002 Bob <21000",
                          "21003 Cyd <21000",
                          "23000 Qualifs <20000",
                          "23010 Paramètres <23000",
                          "23020 Répartition <23000",
                          "23100 Manche1 <23000",
                          "23101 Série1 <23100",
                          "23102 Série2 <23100",
                          "23200 Manche2 <23000",
                          "23201 Série1 <23200",
                          "23202 Série2 <23200",
                          "23300 Manche3 <23000",
                          "23301 Série1 <23300",
                          "23302 Série2 <23300",
                          "23950 Classements <23000",
                          "23951 Classement M1 <23950",
                          "23952 Classement M2 <23950",
                          "23953 Classement M3 <23950",
                          "23990 Classement Global <23950",
                          "24000 Remontées <20000",
                          "24010 Paramètres <24000",
                          "24020 Répartition <24000",
                          "24105 1/8A <24000",
                          "24106 1/8B <24000",
                          "24103 1/4A <24000",
                          "24104 1/4B <24000",
                          "24101 1/2A <24000",
                          "24102 1/2B <24000",
                          "24100 Finale <24000",
                          "25000 xRapport de cloture <20000",
                      }));
}

TEST(RaceTree, onlyCategoriesAreBoldAndEachKindOfItemHasItsImage) {
    const TreeItems items = raceTree(twoCategories());
    for (const TreeItem& item : items)
        EXPECT_EQ(item.bold, normalisedCode(item.code) == kCategoryItem) << item.code;
    const std::vector<std::pair<int, TreeImage>> expected = {
        {1000, TreeImage::Track},           {20000, TreeImage::Category},
        {21000, TreeImage::Participants},   {21002, TreeImage::Participants},
        {23000, TreeImage::Folder},         {23010, TreeImage::Parameters},
        {23020, TreeImage::Composition},    {23200, TreeImage::Folder},
        {23201, TreeImage::RunEmpty},       {23950, TreeImage::Classification},
        {23953, TreeImage::Classification}, {23990, TreeImage::Classification},
        {24000, TreeImage::Folder},         {24010, TreeImage::Parameters},
        {24020, TreeImage::Composition},    {24106, TreeImage::RunEmpty},
        {24100, TreeImage::RunEmpty},       {25000, TreeImage::Classification},
    };
    for (const auto& [code, image] : expected) {
        const TreeItem* item = find(items, code);
        ASSERT_NE(item, nullptr) << code;
        EXPECT_EQ(item->image, image) << code;
    }
}

TEST(RaceTree, heatsAndFinalsWithStoredResultsShowTheirOwnImage) {
    TreeSources s = twoCategories();
    setHeatFlag(s.flags, 2, 3, 2, true);
    setFinalFlag(s.flags, 2, 2, false, true); // the 1/4 B final
    setFinalFlag(s.flags, 2, 0, true, true);  // the Finale
    setHeatFlag(s.flags, 1, 1, 1, true);      // category 1 has no heats to show it
    const TreeItems items = raceTree(s);
    std::vector<int> stored;
    for (const TreeItem& item : items) {
        if (item.image == TreeImage::RunStored)
            stored.push_back(item.code);
    }
    EXPECT_EQ(stored, (std::vector<int>{23302, 24104, 24100}));
    EXPECT_EQ(find(items, 23301)->image, TreeImage::RunEmpty) << "its neighbour has no results";
    EXPECT_EQ(find(items, 24103)->image, TreeImage::RunEmpty) << "the A final of the same level";
}

TEST(RaceTree, finalsShowTheFinaleAloneWithOneFinalAndNothingWithoutFinals) {
    CategoryEntry entry;
    entry.name = "Buggy";
    entry.finals = 1;
    EXPECT_EQ(outline(finalsBranch(3, entry, HeatFlags{})),
              (std::vector<std::string>{"34000 Remontées <0", "34010 Paramètres <34000",
                                        "34020 Répartition <34000", "34100 Finale <34000"}));
    entry.finals = 0;
    EXPECT_EQ(outline(finalsBranch(3, entry, HeatFlags{})).size(), 3u);
}

TEST(RaceTree, theLargestCategoryStaysWithinItsOwnCodes) {
    CategoryEntry entry;
    entry.name = "Max";
    entry.participants = 200;
    entry.rounds = 9;
    entry.heatsPerRound = 20;
    entry.finals = 23;
    ParticipantNames names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = "Driver " + std::to_string(i + 1);
    const TreeItems items = categoryBranch(9, entry, names, HeatFlags{});
    // The category, 1 + 200 participants, qualifying (3 + 9 rounds of 21 + 1 + 9 + 1), finals
    // (3 + 23) and the closure report.
    EXPECT_EQ(items.size(), 1u + 201 + 3 + 189 + 11 + 26 + 1);
    EXPECT_EQ(find(items, 91200)->text, "Driver 200");
    EXPECT_EQ(find(items, 93920)->text, std::string_view("S\xE9rie20"));
    EXPECT_EQ(find(items, 94121)->text, "1/2048A");
    EXPECT_EQ(find(items, 94122)->text, "1/2048B");
    for (const TreeItem& item : items)
        EXPECT_EQ(categoryOfCode(item.code), 9) << item.code;
}

TEST(RaceTree, participantsStopAtTheFirstFreePlace) {
    CategoryEntry entry;
    entry.participants = 2;
    ParticipantNames names{};
    names[0] = "Ann";
    names[2] = "Cyd";
    EXPECT_EQ(outline(participantsBranch(1, entry, names)),
              (std::vector<std::string>{"11000 Pilotes (2) <0", "11001 Ann <11000"}));
}

TEST(RaceTree, aBranchAppendedKeepsItsShapeUnderItsNewParent) {
    TreeItems items = raceTree(twoCategories());
    const std::size_t before = items.size();
    CategoryEntry entry;
    entry.participants = 1;
    ParticipantNames names{};
    names[0] = "Eve";
    appendBranch(items, participantsBranch(2, entry, names), 12);
    EXPECT_EQ(items[before].parent, 12);
    EXPECT_EQ(items[before + 1].parent, int(before));
}

TEST(TreeCodes, normalisedCodesAndCategoriesOfCodes) {
    EXPECT_EQ(normalisedCode(1000), 1000);
    EXPECT_EQ(normalisedCode(10000), 10000);
    EXPECT_EQ(normalisedCode(90000), 10000);
    EXPECT_EQ(normalisedCode(21001), 11001);
    EXPECT_EQ(normalisedCode(93990), 13990);
    EXPECT_EQ(normalisedCode(95000), 15000);
    EXPECT_EQ(categoryOfCode(1000), 0);
    EXPECT_EQ(categoryOfCode(10000), 1);
    EXPECT_EQ(categoryOfCode(93990), 9);
    EXPECT_EQ(itemCode(4, kClosureReportItem), 45000);
    EXPECT_EQ(itemCode(1, kCategoryItem), 10000);
}

TEST(TreeCodes, onlyHeatsOfRounds1To9AndHeats1To20AreQualifyingHeats) {
    int round = 0;
    int heat = 0;
    EXPECT_TRUE(isQualifyingHeat(13101, round, heat));
    EXPECT_EQ(round, 1);
    EXPECT_EQ(heat, 1);
    EXPECT_TRUE(isQualifyingHeat(13920, round, heat));
    EXPECT_EQ(round, 9);
    EXPECT_EQ(heat, 20);
    EXPECT_TRUE(isQualifyingHeat(13302, round, heat));
    EXPECT_EQ(round, 3);
    EXPECT_EQ(heat, 2);
    for (const int notAHeat : {13000, 13010, 13020, 13100, 13200, 13900, 13121, 13199, 13950, 13951,
                               13990, 14100, 11001})
        EXPECT_FALSE(isQualifyingHeat(notAHeat, round, heat)) << notAHeat;
}

TEST(TreeCodes, participantsFinalsAndRoundClassificationsByTheirRanges) {
    int value = 0;
    EXPECT_TRUE(isParticipant(11001, value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(isParticipant(11200, value));
    EXPECT_EQ(value, 199);
    EXPECT_FALSE(isParticipant(11000, value));
    EXPECT_FALSE(isParticipant(11201, value));
    EXPECT_TRUE(isFinal(14100, value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(isFinal(14122, value));
    EXPECT_EQ(value, 22);
    EXPECT_FALSE(isFinal(14123, value));
    EXPECT_FALSE(isFinal(14020, value));
    EXPECT_TRUE(isRoundClassification(13959, value));
    EXPECT_EQ(value, 9);
    EXPECT_FALSE(isRoundClassification(13950, value));
    EXPECT_FALSE(isRoundClassification(13990, value));
}

} // namespace
} // namespace racedesk
