#include "core/databases/clubs.h"
#include "core/databases/drivers.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace racedesk {
namespace {

using test::TempFolder;

TEST(ClubsFile, clubsReadBackWholeWithSpacesInFileOrder) {
    TempFolder folder;
    ClubTable table;
    table[0].name = "Racing Club du Val";
    table[0].acronym = "RCV";
    table[0].address = "12 rue des Pins";
    table[0].address2 = "B\xE2timent C";
    table[0].postcode = "75012";
    table[0].town = "Saint Maur";
    table[0].country = "France";
    table[0].telephone = "01 23 45 67 89";
    table[0].email = "contact@rcv.example";
    table[1].name = "Mini Z";
    ASSERT_TRUE(writeClubs(folder.file("c.bd"), table));
    EXPECT_EQ(folder.read("c.bd"),
              "Racing Club du Val\tRCV\t12 rue des Pins\tB\xE2timent C\t75012\t"
              "Saint Maur\tFrance\t01 23 45 67 89\tcontact@rcv.example\t\r\n"
              "Mini Z\t\t\t\t\t\t\t\t\t\r\n");

    ClubTable back;
    back[5].name = "stale";
    ASSERT_TRUE(readClubs(folder.file("c.bd"), back));
    EXPECT_EQ(back[0].name.view(), "Racing Club du Val");
    EXPECT_EQ(back[0].address2.view(), "B\xE2timent C");
    EXPECT_EQ(back[0].country.view(), "France");
    EXPECT_EQ(back[0].email.view(), "contact@rcv.example");
    EXPECT_EQ(back[1].name.view(), "Mini Z");
    EXPECT_TRUE(back[1].telephone.empty());
    EXPECT_TRUE(back[5].name.empty()) << "the table is cleared before reading";
}

TEST(ClubsFile, onlyTheListedClubsAreWrittenAndAFullTableWritesAHundredLines) {
    TempFolder folder;
    ClubTable table;
    table[0].name = "A";
    table[2].name = "after a gap";
    ASSERT_TRUE(writeClubs(folder.file("c.bd"), table));
    EXPECT_EQ(folder.read("c.bd"), "A" + std::string(9, '\t') + "\r\n");

    for (int i = 0; i < kClubCount; ++i)
        table[std::size_t(i)].name = "Club " + std::to_string(i);
    ASSERT_TRUE(writeClubs(folder.file("c.bd"), table));
    ClubTable back;
    ASSERT_TRUE(readClubs(folder.file("c.bd"), back));
    for (int i = 0; i < kClubCount; ++i)
        EXPECT_EQ(back[std::size_t(i)].name.view(), "Club " + std::to_string(i));
}

TEST(ClubsFile, overlongFieldsAreCutAndACutLastLineKeepsWhatItHas) {
    TempFolder folder;
    folder.write("c.bd", std::string(80, 'N') + "\t" + std::string(30, 'S') + "\tAddr\r\n" +
                             "Second\tS2\t\t\t\t\t" + std::string(60, 'C') + "\tTel\tmail\t" +
                             "extra\tfields\r\nCut \xFF" + "club\tCU");
    ClubTable table;
    ASSERT_TRUE(readClubs(folder.file("c.bd"), table));
    EXPECT_EQ(table[0].name.view(), std::string(49, 'N'));
    EXPECT_EQ(table[0].acronym.view(), std::string(14, 'S'));
    EXPECT_EQ(table[0].address.view(), "Addr");
    EXPECT_TRUE(table[0].address2.empty()) << "a short line leaves the rest empty";
    EXPECT_EQ(table[1].country.view(), std::string(34, 'C'));
    EXPECT_EQ(table[1].email.view(), "mail");
    EXPECT_EQ(table[2].name.view(), "Cut \xFF"
                                    "club")
        << "0xFF is a letter, not the end of the file";
    EXPECT_EQ(table[2].acronym.view(), "CU");
    EXPECT_TRUE(table[3].name.empty());
}

TEST(ClubsFile, aMissingFileGivesAnEmptyTableAndAFolderThatCannotBeWrittenFails) {
    TempFolder folder;
    ClubTable table;
    table[0].name = "old";
    EXPECT_FALSE(readClubs(folder.file("none.bd"), table));
    EXPECT_TRUE(table[0].name.empty());
    EXPECT_FALSE(writeClubs(folder.file("no/such/folder/c.bd"), table));
}

TEST(DriversFile, driversReadBackWholeWithEveryFieldInItsPlace) {
    TempFolder folder;
    const auto table = std::make_unique<DriverTable>();
    DriverRecord& d = (*table)[0];
    d.name = "Jean Pierre Martin";
    d.address = "3 place Haute";
    d.address2 = "Appt 4";
    d.postcode = "69001";
    d.town = "Lyon";
    d.country = "France";
    d.telephone = "0600000000";
    d.email = "jp@example.org";
    d.birthDate = "12/03/1980";
    d.licence = "L 123";
    d.transponder = "123456";
    d.club = "Racing Club du Val";
    d.picture = "/home/jp/photo.bmp";
    ASSERT_TRUE(writeDrivers(folder.file("p.bd"), *table));
    EXPECT_EQ(folder.read("p.bd"),
              "Jean Pierre Martin\t3 place Haute\tAppt 4\t69001\tLyon\tFrance\t0600000000\t"
              "jp@example.org\t12/03/1980\tL 123\t123456\tRacing Club du Val\t"
              "/home/jp/photo.bmp\t\r\n");

    const auto back = std::make_unique<DriverTable>();
    ASSERT_TRUE(readDrivers(folder.file("p.bd"), *back));
    const DriverRecord& b = (*back)[0];
    EXPECT_EQ(b.name.view(), "Jean Pierre Martin");
    EXPECT_EQ(b.birthDate.view(), "12/03/1980");
    EXPECT_EQ(b.licence.view(), "L 123");
    EXPECT_EQ(b.transponder.view(), "123456");
    EXPECT_EQ(b.club.view(), "Racing Club du Val");
    EXPECT_EQ(b.picture.view(), "/home/jp/photo.bmp");
    EXPECT_TRUE((*back)[1].name.empty());
}

TEST(DriversFile, aFullTableOfAThousandDriversReadsBackAndLinesBeyondAreIgnored) {
    TempFolder folder;
    std::string file;
    for (int i = 0; i < kDriverCount + 5; ++i)
        file += "Driver " + std::to_string(i) + "\t\t\t\t\t\t\t\t\t\t00" +
                std::to_string(1000 + i) + "\t\t\t\n";
    folder.write("p.bd", file);
    const auto table = std::make_unique<DriverTable>();
    ASSERT_TRUE(readDrivers(folder.file("p.bd"), *table));
    EXPECT_EQ((*table)[999].name.view(), "Driver 999");
    EXPECT_EQ((*table)[999].transponder.view(), "001999");
    ASSERT_TRUE(writeDrivers(folder.file("q.bd"), *table));
    const std::string written = folder.read("q.bd");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), kDriverCount);
    EXPECT_EQ(written.find("Driver 1000"), std::string::npos);
}

TEST(DriversFile, overlongFieldsAreCutToTheirWidth) {
    TempFolder folder;
    std::string line;
    for (int f = 0; f < 13; ++f)
        line += std::string(300, char('a' + f)) + "\t";
    folder.write("p.bd", line + "\r\n");
    const auto table = std::make_unique<DriverTable>();
    ASSERT_TRUE(readDrivers(folder.file("p.bd"), *table));
    const DriverRecord& d = (*table)[0];
    EXPECT_EQ(d.name.view(), std::string(39, 'a'));
    EXPECT_EQ(d.postcode.view(), std::string(14, 'd'));
    EXPECT_EQ(d.country.view(), std::string(34, 'f'));
    EXPECT_EQ(d.transponder.view(), std::string(6, 'k'));
    EXPECT_EQ(d.club.view(), std::string(49, 'l'));
    EXPECT_EQ(d.picture.view(), std::string(259, 'm'));
    EXPECT_TRUE((*table)[1].name.empty());
}

} // namespace
} // namespace racedesk
