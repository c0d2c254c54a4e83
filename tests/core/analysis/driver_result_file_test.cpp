#include "core/race/transfer_files.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

using test::TempFolder;

DriverResult readBack(const TempFolder& folder, const std::string& contents) {
    folder.write("ResultatPilote.res", contents);
    DriverResult result;
    result.laps = 99; // whatever was there before is replaced
    EXPECT_TRUE(readDriverResult(folder.file("ResultatPilote.res"), result));
    return result;
}

TEST(DriverResultFile, whatTheBoardWritesIsReadBackWhole) {
    TempFolder folder;
    CarSlot car;
    car.name = "Jean Dupont";
    car.passings = 3;
    car.cumulativeTimes[0] = 150;
    car.cumulativeTimes[1] = 61'350;
    car.cumulativeTimes[2] = 122'600;
    car.cumulativeTimes[3] = 184'500;
    ASSERT_TRUE(writeDriverResult(folder.file("ResultatPilote.res"), car,
                                  " Buggy - Manche1 - S\xE9rie2 ", "Piste du Lac",
                                  "Dur\xE9"
                                  "e 5:00"));
    DriverResult result;
    ASSERT_TRUE(readDriverResult(folder.file("ResultatPilote.res"), result));
    EXPECT_EQ(result.name.view(), "Jean Dupont");
    ASSERT_EQ(result.laps, 3);
    EXPECT_EQ(result.times[0], 150);
    EXPECT_EQ(result.times[1], 61'350);
    EXPECT_EQ(result.times[3], 184'500);
    EXPECT_EQ(result.runTitle.view(), " Buggy - Manche1 - S\xE9rie2 ");
    EXPECT_EQ(result.circuit.view(), "Piste du Lac");
    EXPECT_EQ(result.summary.view(), "Dur\xE9"
                                     "e 5:00");
}

TEST(DriverResultFile, bareLineFeedsReadAsCrLf) {
    TempFolder folder;
    const DriverResult r = readBack(folder, "Zo\xE9\t2\t0\t60000\t121000\t\nTitre\tCircuit\tR\t\n");
    EXPECT_EQ(r.name.view(), "Zo\xE9");
    EXPECT_EQ(r.laps, 2);
    EXPECT_EQ(r.times[2], 121'000);
    EXPECT_EQ(r.runTitle.view(), "Titre");
    EXPECT_EQ(r.summary.view(), "R");
}

TEST(DriverResultFile, aCutFileGivesOnlyTheLapsWhoseTimesAreThere) {
    TempFolder folder;
    DriverResult r = readBack(folder, "Jean\t5\t0\t61200\t122450");
    EXPECT_EQ(r.laps, 2) << "lap 3 would need a passing time the file lost";
    EXPECT_EQ(r.times[2], 122'450);
    EXPECT_EQ(r.times[3], 0);
    EXPECT_TRUE(r.runTitle.empty());

    r = readBack(folder, "Jean\t");
    EXPECT_EQ(r.name.view(), "Jean");
    EXPECT_EQ(r.laps, 0);

    r = readBack(folder, "");
    EXPECT_TRUE(r.name.empty());
    EXPECT_EQ(r.laps, 0);
}

TEST(DriverResultFile, aShortFirstLineDoesNotTakeTimesFromTheSecond) {
    TempFolder folder;
    const DriverResult r = readBack(folder, "Jean\t4\t0\t61200\t\r\n12\t13\t14\t\r\n");
    EXPECT_EQ(r.laps, 1);
    EXPECT_EQ(r.runTitle.view(), "12");
    EXPECT_EQ(r.circuit.view(), "13");
}

TEST(DriverResultFile, aFileWithoutTabsGivesNoLapAndFieldsThatFit) {
    TempFolder folder;
    const std::string longLine = "Jean Dupont 3 0 61200 122450 184350 and much more text after";
    const DriverResult r = readBack(folder, longLine + "\r\n" + std::string(300, 'x'));
    EXPECT_EQ(r.laps, 0);
    EXPECT_EQ(r.name.view(), longLine.substr(0, 39));
    EXPECT_EQ(r.runTitle.view(), std::string(127, 'x'));
    EXPECT_TRUE(r.circuit.empty());
}

TEST(DriverResultFile, aLapCountBeyondTheTableIsCutToItsSize) {
    TempFolder folder;
    std::string contents = "Jean\t999\t";
    for (int i = 0; i <= 400; ++i)
        contents += std::to_string(i * 1000) + "\t";
    DriverResult r = readBack(folder, contents + "\r\n");
    EXPECT_EQ(r.laps, 300);
    EXPECT_EQ(r.times[300], 300'000);

    r = readBack(folder, "Jean\t-4\t0\t1000\t\r\n");
    EXPECT_EQ(r.laps, 0);
}

TEST(DriverResultFile, aMissingFileIsReportedAndLeavesAnEmptyRun) {
    TempFolder folder;
    DriverResult r;
    r.laps = 12;
    r.name = "old";
    EXPECT_FALSE(readDriverResult(folder.file("ResultatPilote.res"), r));
    EXPECT_EQ(r.laps, 0);
    EXPECT_TRUE(r.name.empty());
}

} // namespace
} // namespace racedesk
