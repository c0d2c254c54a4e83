#include "core/databases/circuits.h"
#include "core/databases/clubs.h"
#include "core/databases/countries.h"
#include "core/databases/drivers.h"
#include "core/databases/frequencies.h"
#include "core/databases/transponder_packs.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

namespace racedesk {
namespace {

using test::TempFolder;

// Files as damage or another program could leave them: random bytes weighted towards the ones
// that mean something to a reader, lines far longer than any field, and a cut anywhere.
std::string randomFile(std::mt19937& rng) {
    static const char kMeaningful[] = {'\t', '\r', '\n', ' ', '0', '9', '-', 'A', 'z'};
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 3000);
    std::string file;
    const int size = length(rng);
    for (int i = 0; i < size; ++i) {
        const int k = kind(rng);
        if (k < 4)
            file.push_back(kMeaningful[std::size_t(byte(rng)) % sizeof kMeaningful]);
        else if (k == 4)
            file.append(std::size_t(byte(rng)) * 2, 'x'); // a field far beyond its width
        else if (k == 5)
            file.push_back('\xFF');
        else
            file.push_back(char(byte(rng)));
    }
    return file.substr(0, std::size_t(length(rng)) % (file.size() + 1));
}

template <std::size_t N> void expectWithinField(const FixedText<N>& field) {
    ASSERT_LE(field.size(), N - 1);
    ASSERT_EQ(field.data[N - 1], '\0');
}

TEST(DatabaseReaders, randomLongAndCutFilesNeverOverflowOrLoop) {
    TempFolder folder;
    const std::string path = folder.file("random.bd");
    const auto drivers = std::make_unique<DriverTable>();
    auto clubs = std::make_unique<ClubTable>();
    auto circuits = std::make_unique<CircuitTable>();
    auto packs = std::make_unique<TransponderPackTable>();
    auto frequencies = std::make_unique<FrequencyTable>();
    auto countries = std::make_unique<CountryList>();
    for (const std::uint32_t seed : {1u, 7u, 42u, 2024u}) {
        std::mt19937 rng(seed);
        for (int round = 0; round < 150; ++round) {
            folder.write("random.bd", randomFile(rng));
            ASSERT_TRUE(readCircuits(path, *circuits));
            ASSERT_TRUE(readClubs(path, *clubs));
            ASSERT_TRUE(readDrivers(path, *drivers));
            ASSERT_TRUE(readTransponderPacks(path, *packs));
            ASSERT_TRUE(readFrequencies(path, *frequencies));
            ASSERT_TRUE(readCountries(path, *countries));

            EXPECT_TRUE((*circuits)[kNoCircuit].name.empty()) << "the spare is never read";
            for (const CircuitRecord& c : *circuits) {
                expectWithinField(c.name);
                expectWithinField(c.recordText);
                expectWithinField(c.picture);
                EXPECT_EQ(c.recordParts.millis, splitTime(c.recordMs).millis);
            }
            for (const ClubRecord& c : *clubs) {
                expectWithinField(c.name);
                expectWithinField(c.country);
                expectWithinField(c.email);
            }
            for (const DriverRecord& d : *drivers) {
                expectWithinField(d.name);
                expectWithinField(d.transponder);
                expectWithinField(d.club);
                expectWithinField(d.picture);
            }
            for (const TransponderPack& p : *packs)
                for (const auto& t : p.transponders)
                    expectWithinField(t);
            for (const FrequencyEntry& f : *frequencies)
                expectWithinField(f.frequency);
            EXPECT_GE(countries->count, 0);
            EXPECT_LE(countries->count, kCountryCount);
            for (const CountryName& n : countries->names)
                expectWithinField(n);
        }
    }
}

TEST(DatabaseReaders, whatIsReadIsWrittenBackAndReadAgainTheSame) {
    // Whatever a reader made of a damaged file, the writers give a file that reads back to the
    // same table: the files always stay readable.
    TempFolder folder;
    const auto drivers = std::make_unique<DriverTable>();
    const auto again = std::make_unique<DriverTable>();
    ClubTable clubs;
    ClubTable clubsAgain;
    FrequencyTable frequencies;
    FrequencyTable frequenciesAgain;
    std::mt19937 rng(99);
    for (int round = 0; round < 100; ++round) {
        folder.write("in.bd", randomFile(rng));
        ASSERT_TRUE(readDrivers(folder.file("in.bd"), *drivers));
        ASSERT_TRUE(writeDrivers(folder.file("out.bd"), *drivers));
        ASSERT_TRUE(readDrivers(folder.file("out.bd"), *again));
        const int n = listedCount(*drivers, kDriverNames);
        for (int i = 0; i < n; ++i) {
            const DriverRecord& a = (*drivers)[std::size_t(i)];
            const DriverRecord& b = (*again)[std::size_t(i)];
            ASSERT_EQ(a.name, b.name) << "round " << round;
            ASSERT_EQ(a.town, b.town);
            ASSERT_EQ(a.picture, b.picture);
        }
        EXPECT_TRUE((*again)[std::size_t(n)].name.empty() || n == kDriverCount);

        ASSERT_TRUE(readClubs(folder.file("in.bd"), clubs));
        ASSERT_TRUE(writeClubs(folder.file("out.bd"), clubs));
        ASSERT_TRUE(readClubs(folder.file("out.bd"), clubsAgain));
        for (int i = 0; i < listedCount(clubs, kClubNames); ++i)
            ASSERT_EQ(clubs[std::size_t(i)].email, clubsAgain[std::size_t(i)].email);

        ASSERT_TRUE(readFrequencies(folder.file("in.bd"), frequencies));
        ASSERT_TRUE(writeFrequencies(folder.file("out.bd"), frequencies));
        ASSERT_TRUE(readFrequencies(folder.file("out.bd"), frequenciesAgain));
        for (int i = 0; i < listedCount(frequencies, kFrequencyNames); ++i) {
            const std::string_view f = frequencies[std::size_t(i)].frequency.view();
            const std::string_view g = frequenciesAgain[std::size_t(i)].frequency.view();
            // A tab or a carriage return inside an entry is written as a space.
            ASSERT_EQ(f.size(), g.size());
            for (std::size_t c = 0; c < f.size(); ++c)
                ASSERT_EQ(f[c] == '\t' || f[c] == '\r' ? ' ' : f[c], g[c]);
        }
    }
}

} // namespace
} // namespace racedesk
