#include "core/common/cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kCountryCount = 208;
constexpr std::size_t kNameField = 34;

std::vector<std::string> readNames(const std::string& file) {
    std::ifstream in(std::string(RACEDESK_COUNTRIES_SOURCE_DIR) + "/" + file, std::ios::binary);
    EXPECT_TRUE(in) << file;
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);)
        names.push_back(line);
    return names;
}

// The order a reader of the language expects: accents and capitals do not count.
std::string sortKey(const std::string& utf8Name) {
    // Windows-1252 0xC0-0xFF without their accents.
    static const std::string kPlain =
        "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
    std::string key;
    for (unsigned char c : racedesk::utf8ToCp1252(utf8Name)) {
        const char plain = c >= 0xC0 ? kPlain[c - 0xC0] : char(c);
        key.push_back(plain >= 'A' && plain <= 'Z' ? char(plain - 'A' + 'a') : plain);
    }
    return key;
}

class CountryList : public testing::TestWithParam<const char*> {};

TEST_P(CountryList, holds208DistinctNamesOneALine) {
    const auto names = readNames(GetParam());
    EXPECT_EQ(names.size(), kCountryCount);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), kCountryCount);
    for (const std::string& name : names) {
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(name.find_first_of("\t\r"), std::string::npos) << name;
    }
}

TEST_P(CountryList, everyNameIsWindows1252AndFitsTheCountryField) {
    for (const std::string& name : readNames(GetParam())) {
        const std::string cp1252 = racedesk::utf8ToCp1252(name);
        EXPECT_EQ(racedesk::cp1252ToUtf8(cp1252), name) << "not all in Windows-1252: " << name;
        EXPECT_LE(cp1252.size(), kNameField) << name;
    }
}

TEST_P(CountryList, isInAlphabeticalOrder) {
    const auto names = readNames(GetParam());
    for (std::size_t i = 1; i < names.size(); ++i)
        EXPECT_LE(sortKey(names[i - 1]), sortKey(names[i])) << names[i - 1] << " / " << names[i];
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CountryList, testing::Values("fr.txt", "en.txt"));

TEST(CountryLists, eachIsInItsOwnLanguage) {
    const auto french = readNames("fr.txt");
    const auto english = readNames("en.txt");
    const auto has = [](const std::vector<std::string>& names, const char* name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    EXPECT_TRUE(has(french, "Allemagne"));
    EXPECT_TRUE(has(french, "États-Unis"));
    EXPECT_FALSE(has(french, "Germany"));
    EXPECT_TRUE(has(english, "Germany"));
    EXPECT_TRUE(has(english, "United States"));
    EXPECT_FALSE(has(english, "Allemagne"));
}

} // namespace
