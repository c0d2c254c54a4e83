#include "core/databases/circuits.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TempFolder;

TEST(CircuitsFile, recordsReadBackWholeWithSpacesAndTheirLapRecord) {
    TempFolder folder;
    CircuitTable table;
    table[0].name = "Piste du Grand Bois";
    table[0].length = "1250";
    table[0].recordMs = 61'234;
    table[0].recordText = "1:01.234";
    table[0].recordHolder = "Jean Pierre Martin";
    table[0].protectionTime = "3";
    table[0].town = "Saint Jean";
    table[0].picture = "/home/club/piste.bmp";
    table[2].name = "Ovale";
    ASSERT_TRUE(writeCircuits(folder.file("c.bd"), table));
    EXPECT_EQ(folder.read("c.bd"),
              "Piste du Grand Bois\t1250\t1:01.234\t61234\tJean Pierre Martin\t3\tSaint Jean\t"
              "/home/club/piste.bmp\t\r\nOvale\t\t\t0\t\t\t\t\t\r\n");

    CircuitTable back;
    ASSERT_TRUE(readCircuits(folder.file("c.bd"), back));
    EXPECT_EQ(back[0].name.view(), "Piste du Grand Bois");
    EXPECT_EQ(back[0].recordMs, 61'234);
    EXPECT_EQ(back[0].recordParts.minutes, 1);
    EXPECT_EQ(back[0].recordHolder.view(), "Jean Pierre Martin");
    EXPECT_EQ(back[0].picture.view(), "/home/club/piste.bmp");
    EXPECT_EQ(back[1].name.view(), "Ovale") << "empty records are not written";
    EXPECT_EQ(back[1].town.view(), "");
    EXPECT_TRUE(back[2].name.empty());
}

TEST(CircuitsFile, cutAndOverlongLinesNeverOverflowAFieldOrReadPastTheEnd) {
    TempFolder folder;
    folder.write("c.bd", std::string(300, 'N') + "\t99999999\t" + std::string(50, 'x') +
                             "\t12\nSecond\t100\t1.000\t1000\tBob\t2\tTown\t\t\nCut\tonly");
    CircuitTable table;
    ASSERT_TRUE(readCircuits(folder.file("c.bd"), table));
    EXPECT_EQ(table[0].name.size(), 39u);
    EXPECT_EQ(table[0].length.view(), "9999");
    EXPECT_EQ(table[0].recordText.size(), 14u);
    EXPECT_EQ(table[0].recordMs, 12);
    EXPECT_EQ(table[1].name.view(), "Second");
    EXPECT_EQ(table[1].recordHolder.view(), "Bob");
    EXPECT_EQ(table[2].name.view(), "Cut");
    EXPECT_EQ(table[2].length.view(), "only");
    EXPECT_TRUE(table[3].name.empty());
}

TEST(CircuitsFile, missingFileLeavesAnEmptyTableAndTheSpareIsNeverWritten) {
    TempFolder folder;
    CircuitTable table;
    table[0].name = "Old";
    EXPECT_FALSE(readCircuits(folder.file("none.bd"), table));
    EXPECT_TRUE(table[0].name.empty());
    table[kNoCircuit].name = "spare";
    table[kNoCircuit].recordMs = 5;
    ASSERT_TRUE(writeCircuits(folder.file("c.bd"), table));
    EXPECT_EQ(folder.read("c.bd"), "");
}

} // namespace
} // namespace racedesk
