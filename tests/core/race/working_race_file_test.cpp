#include "core/race/race_header.h"
#include "core/race/section_file.h"
#include "core/race/working_race_file.h"
#include "race_file_layout.h"
#include "support/temp_folder.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::kCat;
using test::units;

// A new race's file from its layout: the header (32 bytes of content, 314 units of filler
// left of 330), an empty line, the flags title line, 1827 zeros on one line, and 2 units left
// of the flags' 1830.
std::string newRaceFromLayout() {
    std::string flags;
    for (int i = 0; i < 1827; ++i)
        flags += "0\t";
    return "10000\t1\tCATEGORIE 1\t0\t0\t0\t0\t0\t0\t" + units(314) + "\r\n" + "\r\n" + kCat +
           "DrapeauxTreeview\t\r\n" + flags + "\r\n" + units(2) + "\r\n";
}

TEST(WorkingRaceFile, newRaceFileIsTheHeaderAndTheHeatFlags) {
    test::TempFolder folder;
    ASSERT_TRUE(createWorkingRaceFile(folder.file("Private/Course.race")));
    const std::string file = folder.read("Private/Course.race");
    EXPECT_EQ(file.size(), 662u + 2 + 28 + 3662);
    EXPECT_EQ(file, newRaceFromLayout());
}

TEST(WorkingRaceFile, newRaceFileReplacesAWorkedRace) {
    test::TempFolder folder;
    folder.write("Private/Course.race", std::string(10000, 'x'));
    ASSERT_TRUE(createWorkingRaceFile(folder.file("Private/Course.race")));
    EXPECT_EQ(folder.read("Private/Course.race"), newRaceFromLayout());
}

TEST(WorkingRaceFile, newRaceReadsBackAsANewRace) {
    test::TempFolder folder;
    ASSERT_TRUE(createWorkingRaceFile(folder.file("c.race")));
    SectionFile file(folder.file("c.race"));
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(file, header));
    EXPECT_EQ(header.selectedItem, 10000);
    EXPECT_EQ(header.categoryCount, 1);
    EXPECT_EQ(header.categories[0].name, "CATEGORIE 1");
    const auto flags = file.body(kHeatFlagsTitle);
    ASSERT_TRUE(flags);
    EXPECT_EQ(flags->size(), 3662u);
}

TEST(WorkingRaceFile, fileThatCannotBeWrittenIsReported) {
    test::TempFolder folder;
    folder.write("Private", "a file where the folder should be");
    EXPECT_FALSE(createWorkingRaceFile(folder.file("Private/Course.race")));
    EXPECT_FALSE(startWorkingRaceFile(folder.path()));
}

class CrashCopyTest : public ::testing::Test {
protected:
    void SetUp() override { folder.write(kCrashCopyFile, oldCrash); }
    std::string crashCopy() const { return folder.read(kCrashCopyFile); }

    const std::string oldCrash = newRaceFromLayout() + "\r\nPisteCourse\t\r\nCoupe d'hiver\t\r\n";
    test::TempFolder folder;
};

TEST_F(CrashCopyTest, missingWorkingFileLeavesTheOldCrashCopy) {
    EXPECT_TRUE(startWorkingRaceFile(folder.path()));
    EXPECT_EQ(crashCopy(), oldCrash);
    EXPECT_EQ(folder.read(kWorkingRaceFile), newRaceFromLayout());
}

TEST_F(CrashCopyTest, untouchedNewRaceKeepsTheOldCrashCopy) {
    folder.write(kWorkingRaceFile, newRaceFromLayout());
    EXPECT_EQ(saveCrashCopy(folder.file(kWorkingRaceFile), folder.file(kCrashCopyFile)),
              CrashCopy::UntouchedNewRace);
    EXPECT_TRUE(startWorkingRaceFile(folder.path()));
    EXPECT_EQ(crashCopy(), oldCrash);
}

TEST_F(CrashCopyTest, workedRaceReplacesTheCrashCopy) {
    // Only the tree selection changed: still a race worth keeping.
    std::string worked = newRaceFromLayout();
    worked.replace(0, 5, "10001");
    folder.write(kWorkingRaceFile, worked);
    EXPECT_TRUE(startWorkingRaceFile(folder.path()));
    EXPECT_EQ(crashCopy(), worked);
    EXPECT_EQ(folder.read(kWorkingRaceFile), newRaceFromLayout());
}

TEST_F(CrashCopyTest, crashCopyIsMadeWhenThereWasNoneBefore) {
    std::remove(folder.file(kCrashCopyFile).c_str());
    folder.write(kWorkingRaceFile, "10000\t1\tX\t\r\n");
    EXPECT_EQ(saveCrashCopy(folder.file(kWorkingRaceFile), folder.file(kCrashCopyFile)),
              CrashCopy::Copied);
    EXPECT_EQ(crashCopy(), "10000\t1\tX\t\r\n");
}

} // namespace
} // namespace racedesk
