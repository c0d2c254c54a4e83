#include "core/databases/circuits.h"
#include "core/databases/clubs.h"
#include "core/databases/drivers.h"
#include "core/databases/frequencies.h"
#include "core/databases/transponder_packs.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace racedesk {
namespace {

using test::TempFolder;

// Lists edited by hand: blank lines between records, a record without a name, a last line
// without its line end. Every record the file held is read, listed, and saved again.
TEST(DamagedDatabaseLines, blankLinesNeverHideTheRecordsAfterThem) {
    TempFolder folder;
    folder.write("d.bd", "Anne\tRue 1\t\r\n\r\n\n\tOrphan address\t\r\nBruno\t\t\t\t\t\t\t\t\t\t"
                         "123456\t\r\n\r\nCarl\t");
    auto drivers = std::make_unique<DriverTable>();
    ASSERT_TRUE(readDrivers(folder.file("d.bd"), *drivers));
    EXPECT_EQ((*drivers)[0].name.view(), "Anne");
    EXPECT_EQ((*drivers)[0].address.view(), "Rue 1");
    EXPECT_EQ((*drivers)[1].name.view(), "Bruno");
    EXPECT_EQ((*drivers)[1].transponder.view(), "123456");
    EXPECT_EQ((*drivers)[2].name.view(), "Carl");
    EXPECT_TRUE((*drivers)[3].name.empty());
    ASSERT_TRUE(writeDrivers(folder.file("d.bd"), *drivers));
    auto again = std::make_unique<DriverTable>();
    ASSERT_TRUE(readDrivers(folder.file("d.bd"), *again));
    EXPECT_EQ((*again)[2].name.view(), "Carl") << "saved and read back, nobody is lost";

    folder.write("c.bd", "\r\nRC Alpha\tRCA\t\r\n\r\nRC Beta\tRCB\t\r\n");
    auto clubs = std::make_unique<ClubTable>();
    ASSERT_TRUE(readClubs(folder.file("c.bd"), *clubs));
    ASSERT_TRUE(writeClubs(folder.file("c.bd"), *clubs));
    EXPECT_EQ(folder.read("c.bd"),
              "RC Alpha\tRCA\t\t\t\t\t\t\t\t\r\nRC Beta\tRCB\t\t\t\t\t\t\t\t\r\n");

    folder.write("f.bd", "27.145\r\n\r\n\r\n40.665\r\n\n2.4GHz");
    FrequencyTable frequencies;
    ASSERT_TRUE(readFrequencies(folder.file("f.bd"), frequencies));
    ASSERT_TRUE(writeFrequencies(folder.file("f.bd"), frequencies));
    EXPECT_EQ(folder.read("f.bd"), "27.145\r\n40.665\r\n2.4GHz\r\n");
}

TEST(DamagedDatabaseLines, aCutLineNeverTakesTheNextLineIntoItsRecord) {
    TempFolder folder;
    folder.write("k.bd", "Pins\t120 m\t12.345\r\nLac\t98 m\t11.002\t11002\tAnne\t1.5\tAnnecy\t"
                         "lac.bmp\t\r\n");
    auto circuits = std::make_unique<CircuitTable>();
    ASSERT_TRUE(readCircuits(folder.file("k.bd"), *circuits));
    EXPECT_EQ((*circuits)[0].name.view(), "Pins");
    EXPECT_EQ((*circuits)[0].recordMs, 0) << "the cut line has no record time";
    EXPECT_TRUE((*circuits)[0].town.empty());
    EXPECT_EQ((*circuits)[1].name.view(), "Lac");
    EXPECT_EQ((*circuits)[1].recordMs, 11002);
    EXPECT_EQ((*circuits)[1].town.view(), "Annecy");
    ASSERT_TRUE(writeCircuits(folder.file("k.bd"), *circuits));
    ASSERT_TRUE(readCircuits(folder.file("k.bd"), *circuits));
    EXPECT_EQ((*circuits)[1].picture.view(), "lac.bmp") << "the next save keeps the circuit";

    // Packs keep their places: a blank line is an empty pack, a cut one keeps its own
    // transponders only.
    folder.write("t.bd", "Club\t000001\t000002\r\n\r\nLoan\t000003\t\r\n");
    auto packs = std::make_unique<TransponderPackTable>();
    ASSERT_TRUE(readTransponderPacks(folder.file("t.bd"), *packs));
    EXPECT_EQ((*packs)[0].transponders[1].view(), "000002");
    EXPECT_TRUE((*packs)[0].transponders[2].empty());
    EXPECT_TRUE((*packs)[1].name.empty());
    EXPECT_EQ((*packs)[2].name.view(), "Loan");
}

} // namespace
} // namespace racedesk
