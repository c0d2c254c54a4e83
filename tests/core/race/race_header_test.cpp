#include "core/race/race_header.h"
#include "race_file_layout.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::kCat;
using test::sectionBytes;
using test::units;

// A header of nine categories whose names take all 54 characters.
RaceHeader nineLongCategories() {
    RaceHeader h;
    h.selectedItem = 91234;
    h.categoryCount = 9;
    for (int i = 0; i < 9; ++i) {
        CategoryEntry& c = h.categories[std::size_t(i)];
        c.name = std::string(53, char('A' + i)) + "\xE9";
        c.participants = 200 - i;
        c.qualifyingStarted = i % 2;
        c.finalsState = i % 3;
        c.rounds = 9 - i;
        c.heatsPerRound = 20 - i;
        c.finals = 2 * i + 1;
    }
    return h;
}

void expectSameHeader(const RaceHeader& a, const RaceHeader& b) {
    EXPECT_EQ(a.selectedItem, b.selectedItem);
    ASSERT_EQ(a.categoryCount, b.categoryCount);
    for (int i = 0; i < a.categoryCount; ++i) {
        const CategoryEntry& x = a.categories[std::size_t(i)];
        const CategoryEntry& y = b.categories[std::size_t(i)];
        EXPECT_EQ(x.name, y.name) << i;
        EXPECT_EQ(x.participants, y.participants) << i;
        EXPECT_EQ(x.qualifyingStarted, y.qualifyingStarted) << i;
        EXPECT_EQ(x.finalsState, y.finalsState) << i;
        EXPECT_EQ(x.rounds, y.rounds) << i;
        EXPECT_EQ(x.heatsPerRound, y.heatsPerRound) << i;
        EXPECT_EQ(x.finals, y.finals) << i;
    }
}

class RaceHeaderFile : public ::testing::Test {
protected:
    // A new race's header area, then two sections.
    void SetUp() override { folder.write("r.race", headerArea + sections); }
    std::string path() const { return folder.file("r.race"); }

    const std::string headerArea =
        "10000\t1\tCATEGORIE 1\t0\t0\t0\t0\t0\t0\t" + units(314) + "\r\n";
    const std::string sections = sectionBytes(kCat + "DrapeauxTreeview", "0\t0\t\r\n") +
                                 sectionBytes("PisteCourse", "Coupe\t\r\n");
    test::TempFolder folder;
};

TEST_F(RaceHeaderFile, newRaceHeaderAreaIsExactly662Bytes) {
    ASSERT_EQ(headerArea.size(), 662u);
    folder.write("r.race", units(330) + "\r\n" + sections);
    ASSERT_EQ(writeRaceHeader(path(), newRaceHeader()), WriteStatus::Written);
    EXPECT_EQ(folder.read("r.race"), headerArea + sections);
}

TEST_F(RaceHeaderFile, nineLongCategoriesFitTheAreaAndReadBack) {
    const RaceHeader written = nineLongCategories();
    ASSERT_EQ(writeRaceHeader(path(), written), WriteStatus::Written);
    const std::string after = folder.read("r.race");
    EXPECT_EQ(after.size(), headerArea.size() + sections.size()) << "the header stays 662 bytes";
    EXPECT_EQ(after.substr(662), sections);
    RaceHeader read;
    ASSERT_TRUE(readRaceHeader(path(), read));
    expectSameHeader(read, written);
}

TEST_F(RaceHeaderFile, headerLongerThanItsAreaEnlargesItAndKeepsTheSections) {
    // Counters beyond their limits make the longest header a caller can hand in.
    RaceHeader written = nineLongCategories();
    for (CategoryEntry& c : written.categories)
        c.participants = c.rounds = c.finals = -2'000'000'000;
    std::string content;
    ASSERT_TRUE(composeRaceHeader(written, content));
    ASSERT_GT(content.size(), 660u);
    ASSERT_EQ(writeRaceHeader(path(), written), WriteStatus::Written);
    const std::string after = folder.read("r.race");
    EXPECT_EQ(after.substr(0, content.size()), content);
    EXPECT_EQ(after.substr(content.size()),
              std::string(content.size() % 2, '\t') + "\r\n" + sections);
    RaceHeader read;
    ASSERT_TRUE(readRaceHeader(path(), read));
    EXPECT_EQ(read.categories[8].name, written.categories[8].name);
    EXPECT_EQ(read.categories[8].participants, 0) << "brought within 0 to 200";
    EXPECT_EQ(read.categories[8].heatsPerRound, written.categories[8].heatsPerRound);
}

TEST_F(RaceHeaderFile, emptyCategoryNameIsRefusedAndNothingWritten) {
    RaceHeader h = nineLongCategories();
    h.categories[4].name = "";
    EXPECT_EQ(writeRaceHeader(path(), h), WriteStatus::Refused);
    h = newRaceHeader();
    h.categoryCount = 10;
    EXPECT_EQ(writeRaceHeader(path(), h), WriteStatus::Refused);
    h.categoryCount = 0;
    EXPECT_EQ(writeRaceHeader(path(), h), WriteStatus::Refused);
    EXPECT_EQ(folder.read("r.race"), headerArea + sections);
}

TEST_F(RaceHeaderFile, missingFileReadsAsANewRace) {
    RaceHeader h = nineLongCategories();
    EXPECT_FALSE(readRaceHeader(folder.file("none.race"), h));
    expectSameHeader(h, newRaceHeader());
    EXPECT_EQ(writeRaceHeader(folder.file("none.race"), h), WriteStatus::FileError);
    EXPECT_FALSE(folder.exists("none.race"));
}

TEST(RaceHeader, tabsAndLineEndsInANameCannotShiftTheFields) {
    RaceHeader h = newRaceHeader();
    h.categories[0].name = "A\tB\r\nC";
    h.categories[0].participants = 12;
    std::string content;
    ASSERT_TRUE(composeRaceHeader(h, content));
    EXPECT_EQ(content, "10000\t1\tA B  C\t12\t0\t0\t0\t0\t0\t");
}

TEST(RaceHeader, overlongNamesAndHugeNumbersAreKeptWithinTheirLimits) {
    const std::string area =
        "99999999999999\t12\t" + std::string(80, 'N') + "\t900\t7\t-3\t99\t21\t24\t\t\t";
    const RaceHeader h = parseRaceHeader(area);
    EXPECT_EQ(h.selectedItem, 2147483647);
    EXPECT_EQ(h.categoryCount, 9);
    const CategoryEntry& c = h.categories[0];
    EXPECT_EQ(c.name, std::string(54, 'N'));
    EXPECT_EQ(c.participants, 200);
    EXPECT_EQ(c.qualifyingStarted, 1);
    EXPECT_EQ(c.finalsState, 0);
    EXPECT_EQ(c.rounds, 9);
    EXPECT_EQ(c.heatsPerRound, 20);
    EXPECT_EQ(c.finals, 23);
    for (int i = 1; i < 9; ++i) {
        EXPECT_EQ(h.categories[std::size_t(i)].name, defaultCategoryName(i + 1)) << i;
        EXPECT_EQ(h.categories[std::size_t(i)].participants, 0) << i;
    }
}

TEST(RaceHeader, cutHeaderKeepsWhatItHolds) {
    const RaceHeader h = parseRaceHeader("20003\t2\tMini\t14\t1\t0\t3\t");
    EXPECT_EQ(h.selectedItem, 20003);
    EXPECT_EQ(h.categoryCount, 2);
    EXPECT_EQ(h.categories[0].name, "Mini");
    EXPECT_EQ(h.categories[0].participants, 14);
    EXPECT_EQ(h.categories[0].rounds, 3);
    EXPECT_EQ(h.categories[0].heatsPerRound, 0);
    EXPECT_EQ(h.categories[1].name, "CATEGORIE 2");
    expectSameHeader(parseRaceHeader(""), newRaceHeader());
}

TEST(RaceHeader, nameWithByteFFReadsBack) {
    RaceHeader h = newRaceHeader();
    h.categoryCount = 2;
    h.categories[0].name = "\xFF";
    h.categories[1].name = "Touring \xFF\xFF";
    h.categories[1].participants = 40;
    std::string content;
    ASSERT_TRUE(composeRaceHeader(h, content));
    expectSameHeader(parseRaceHeader(content + "1\t1\t\r\n"), h);
}

} // namespace
} // namespace racedesk
