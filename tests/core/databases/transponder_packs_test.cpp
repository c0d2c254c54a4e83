#include "core/databases/transponder_packs.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

using test::TempFolder;

// A pack's line as the file has it: the name and the 20 numbers, each followed by a tab.
std::string packLine(const std::string& name, const std::string& numberStem) {
    std::string line = name + "\t";
    for (int t = 0; t < kPackTransponderCount; ++t)
        line += numberStem.empty() ? "\t" : numberStem + std::to_string(10 + t) + "\t";
    return line + "\r\n";
}

std::string emptyPackLine() {
    return std::string(21, '\t') + "\r\n";
}

TEST(TransponderPacksFile, packsReadBackWholeWithSpacesAndInTheirPlaces) {
    TempFolder folder;
    TransponderPackTable table;
    table[0].name = "Club A";
    for (int t = 0; t < kPackTransponderCount; ++t)
        table[0].transponders[std::size_t(t)] = "1000" + std::to_string(10 + t);
    table[3].name = "B  2";
    table[3].transponders[19] = "999999";
    ASSERT_TRUE(writeTransponderPacks(folder.file("t.bd"), table));

    std::string expected = packLine("Club A", "1000") + emptyPackLine() + emptyPackLine() + "B  2" +
                           std::string(20, '\t') + "999999\t\r\n";
    for (int i = 4; i < kPackCount; ++i)
        expected += emptyPackLine();
    EXPECT_EQ(folder.read("t.bd"), expected);

    TransponderPackTable back;
    ASSERT_TRUE(readTransponderPacks(folder.file("t.bd"), back));
    for (int i = 0; i < kPackCount; ++i) {
        const TransponderPack& was = table[std::size_t(i)];
        const TransponderPack& is = back[std::size_t(i)];
        EXPECT_EQ(is.name.view(), was.name.view()) << "pack " << i;
        for (int t = 0; t < kPackTransponderCount; ++t)
            EXPECT_EQ(is.transponders[std::size_t(t)].view(),
                      was.transponders[std::size_t(t)].view())
                << "pack " << i << " transponder " << t;
    }
}

TEST(TransponderPacksFile, emptyTableStillWritesTwentyLinesOfTwentyOneTabs) {
    TempFolder folder;
    ASSERT_TRUE(writeTransponderPacks(folder.file("t.bd"), TransponderPackTable{}));
    const std::string file = folder.read("t.bd");
    std::string expected;
    for (int i = 0; i < 20; ++i)
        expected += "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\r\n";
    EXPECT_EQ(file, expected);

    TransponderPackTable back;
    back[7].name = "stale";
    ASSERT_TRUE(readTransponderPacks(folder.file("t.bd"), back));
    for (const TransponderPack& pack : back)
        EXPECT_TRUE(pack.name.empty());
}

TEST(TransponderPacksFile, cutLastLineKeepsWhatItHasAndClearsTheRest) {
    TempFolder folder;
    folder.write("t.bd", "P1\t000001\t000002\t\n"
                         "P2\t000111\t0002");
    TransponderPackTable table;
    table[1].transponders[5] = "555555";
    table[9].name = "Old";
    ASSERT_TRUE(readTransponderPacks(folder.file("t.bd"), table));
    EXPECT_EQ(table[0].name.view(), "P1");
    EXPECT_EQ(table[0].transponders[1].view(), "000002");
    EXPECT_TRUE(table[0].transponders[2].empty()) << "a short line leaves the rest empty";
    EXPECT_EQ(table[1].name.view(), "P2");
    EXPECT_EQ(table[1].transponders[0].view(), "000111");
    EXPECT_EQ(table[1].transponders[1].view(), "0002");
    EXPECT_TRUE(table[1].transponders[5].empty()) << "the table is cleared before reading";
    EXPECT_TRUE(table[9].name.empty());
}

TEST(TransponderPacksFile, overlongFieldsAreCutAndTheFollowingFieldsStayInPlace) {
    TempFolder folder;
    std::string longLine = "PackNameTooLong\t1234567890";
    for (int t = 1; t < kPackTransponderCount; ++t)
        longLine += "\t" + std::to_string(200000 + t);
    longLine += "\textra\tfields\r\n";
    std::string contents = longLine + "Second\t42\t\r\n";
    for (int i = 0; i < 30; ++i)
        contents += "More\t\r\n";
    folder.write("t.bd", contents);

    TransponderPackTable table;
    ASSERT_TRUE(readTransponderPacks(folder.file("t.bd"), table));
    EXPECT_EQ(table[0].name.view(), "PackNa");
    EXPECT_EQ(table[0].transponders[0].view(), "123456");
    EXPECT_EQ(table[0].transponders[1].view(), "200001");
    EXPECT_EQ(table[0].transponders[19].view(), "200019");
    EXPECT_EQ(table[1].name.view(), "Second") << "fields past the 21st are skipped";
    EXPECT_EQ(table[1].transponders[0].view(), "42");
    EXPECT_EQ(table[19].name.view(), "More") << "lines past the 20th are not read";
}

TEST(TransponderPacksFile, missingFileGivesFalseAndTwentyPacksWithoutNames) {
    TempFolder folder;
    TransponderPackTable table;
    for (TransponderPack& pack : table) {
        pack.name = "Old";
        pack.transponders[0] = "123456";
    }
    EXPECT_FALSE(readTransponderPacks(folder.file("none.bd"), table));
    for (const TransponderPack& pack : table) {
        EXPECT_TRUE(pack.name.empty());
        EXPECT_TRUE(pack.transponders[0].empty());
    }
}

} // namespace
} // namespace racedesk
