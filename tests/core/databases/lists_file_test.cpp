#include "core/databases/countries.h"
#include "core/databases/frequencies.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace racedesk {
namespace {

using test::TempFolder;

TEST(FrequenciesFile, oneFrequencyALineWithoutATab) {
    TempFolder folder;
    FrequencyTable table;
    table[0].frequency = "27.195";
    table[1].frequency = "40.665";
    table[2].frequency = "2.4GHz";
    ASSERT_TRUE(writeFrequencies(folder.file("f.bd"), table));
    EXPECT_EQ(folder.read("f.bd"), "27.195\r\n40.665\r\n2.4GHz\r\n");

    FrequencyTable back;
    ASSERT_TRUE(readFrequencies(folder.file("f.bd"), back));
    EXPECT_EQ(back[0].frequency.view(), "27.195");
    EXPECT_EQ(back[2].frequency.view(), "2.4GHz");
    EXPECT_TRUE(back[3].frequency.empty());
}

TEST(FrequenciesFile, linesAreTakenWholeCutToSixAndAtMostAHundred) {
    TempFolder folder;
    std::string file = "27.195 MHz\r\n41 000\n";
    for (int i = 0; i < 150; ++i)
        file += std::to_string(100000 + i) + "\r\n";
    folder.write("f.bd", file + "cut");
    FrequencyTable table;
    ASSERT_TRUE(readFrequencies(folder.file("f.bd"), table));
    EXPECT_EQ(table[0].frequency.view(), "27.195");
    EXPECT_EQ(table[1].frequency.view(), "41 000") << "spaces are part of the entry";
    EXPECT_EQ(table[99].frequency.view(), "100097");

    folder.write("g.bd", "27.195\r\n40.6");
    ASSERT_TRUE(readFrequencies(folder.file("g.bd"), table));
    EXPECT_EQ(table[1].frequency.view(), "40.6") << "a cut last line is read as it stands";
    EXPECT_TRUE(table[2].frequency.empty());
}

TEST(FrequenciesFile, aFullTableWritesAHundredLines) {
    TempFolder folder;
    FrequencyTable table;
    for (int i = 0; i < kFrequencyCount; ++i)
        table[std::size_t(i)].frequency = std::to_string(200000 + i);
    ASSERT_TRUE(writeFrequencies(folder.file("f.bd"), table));
    FrequencyTable back;
    ASSERT_TRUE(readFrequencies(folder.file("f.bd"), back));
    for (int i = 0; i < kFrequencyCount; ++i)
        EXPECT_EQ(back[std::size_t(i)].frequency.view(), std::to_string(200000 + i));
    EXPECT_EQ(folder.read("f.bd").size(), std::size_t(kFrequencyCount) * 8);
}

TEST(CountriesFile, twoHundredAndEightNamesOneALineWithoutATab) {
    TempFolder folder;
    CountryList list;
    list.names[0] = "Alg\xE9rie";
    list.names[1] = "C\xF4te d'Ivoire";
    list.names[207] = "Zimbabwe";
    list.names[3] = "tab\tinside";
    ASSERT_TRUE(writeCountries(folder.file("p.bd"), list));
    const std::string file = folder.read("p.bd");
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), kCountryCount);
    EXPECT_EQ(file.find('\t'), std::string::npos);
    EXPECT_EQ(file.substr(0, 36), "Alg\xE9rie\r\nC\xF4te d'Ivoire\r\n\r\ntab inside");

    CountryList back;
    ASSERT_TRUE(readCountries(folder.file("p.bd"), back));
    EXPECT_EQ(back.count, kCountryCount);
    EXPECT_EQ(back.names[1].view(), "C\xF4te d'Ivoire");
    EXPECT_EQ(back.names[207].view(), "Zimbabwe");
}

TEST(CountriesFile, readingStopsAtTheEndOfAShortFileOrAfter208Lines) {
    TempFolder folder;
    folder.write("short.bd", "France\r\nBelgique\r\nSui");
    CountryList list;
    ASSERT_TRUE(readCountries(folder.file("short.bd"), list));
    EXPECT_EQ(list.count, 3);
    EXPECT_EQ(list.names[2].view(), "Sui");
    EXPECT_TRUE(list.names[3].empty());

    std::string longFile;
    for (int i = 0; i < 300; ++i)
        longFile += (i == 5 ? std::string(50, 'L') : "Country " + std::to_string(i)) + "\n";
    folder.write("long.bd", longFile);
    ASSERT_TRUE(readCountries(folder.file("long.bd"), list));
    EXPECT_EQ(list.count, kCountryCount);
    EXPECT_EQ(list.names[5].view(), std::string(kCountryNameLength, 'L'));
    EXPECT_EQ(list.names[207].view(), "Country 207");

    EXPECT_FALSE(readCountries(folder.file("none.bd"), list));
    EXPECT_EQ(list.count, 0);
    EXPECT_TRUE(list.names[0].empty());
}

} // namespace
} // namespace racedesk
