#include "core/databases/circuits.h"
#include "core/databases/clubs.h"
#include "core/databases/drivers.h"
#include "core/databases/frequencies.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::TempFolder;

template <typename Record, std::size_t N>
std::vector<std::string> listed(RecordSpan<const Record> table, const NameList<Record, N>& list) {
    std::vector<std::string> names;
    for (int i = 0; i < listedCount<Record, N>(table, list); ++i)
        names.emplace_back(nameOf(table[std::size_t(i)], list));
    return names;
}

TEST(CircuitList, addingOrdersTheTableAndGivesTheNewPosition) {
    CircuitTable table;
    EXPECT_EQ(addName(fileCircuits(table), kCircuitNames, "Vallon"), 0);
    EXPECT_EQ(addName(fileCircuits(table), kCircuitNames, "Anneau du Rhin"), 0);
    EXPECT_EQ(addName(fileCircuits(table), kCircuitNames, "Mornas"), 1);
    EXPECT_EQ(listed(fileCircuits(table), kCircuitNames),
              (std::vector<std::string>{"Anneau du Rhin", "Mornas", "Vallon"}));
}

TEST(CircuitList, emptyLeadingSpaceAndExactDuplicatesAreRefusedButAnotherCaseIsANewCircuit) {
    CircuitTable table;
    ASSERT_EQ(addName(fileCircuits(table), kCircuitNames, "Mornas"), 0);
    table[0].town = "Mornas town";
    EXPECT_EQ(addName(fileCircuits(table), kCircuitNames, ""), -1);
    EXPECT_EQ(addName(fileCircuits(table), kCircuitNames, " Mornas"), -1);
    EXPECT_EQ(addName(fileCircuits(table), kCircuitNames, "Mornas"), -1);
    EXPECT_EQ(table[0].town.view(), "Mornas town") << "a refusal changes nothing";
    EXPECT_EQ(addName(fileCircuits(table), kCircuitNames, "MORNAS"), 0)
        << "equal keys: the newer record, standing later, comes first";
    EXPECT_EQ(listed(fileCircuits(table), kCircuitNames),
              (std::vector<std::string>{"MORNAS", "Mornas"}));
    EXPECT_EQ(table[1].town.view(), "Mornas town") << "fields move with their circuit";
}

TEST(CircuitList, theTwentyFirstCircuitIsRefusedAndTheSpareRecordIsNeverTouched) {
    CircuitTable table;
    table[kNoCircuit].name = "spare";
    for (int i = 0; i < kCircuitCount; ++i)
        ASSERT_GE(addName(fileCircuits(table), kCircuitNames, "C" + std::to_string(100 + i)), 0);
    EXPECT_EQ(addName(fileCircuits(table), kCircuitNames, "A first by name"), -1);
    EXPECT_EQ(table[0].name.view(), "C100");
    EXPECT_EQ(table[kNoCircuit].name.view(), "spare");
}

TEST(CircuitList, aNameLongerThanItsFieldIsCutBeforeTheChecks) {
    CircuitTable table;
    const std::string longName(60, 'x');
    ASSERT_EQ(addName(fileCircuits(table), kCircuitNames, longName), 0);
    EXPECT_EQ(table[0].name.view(), std::string(39, 'x'));
    EXPECT_EQ(addName(fileCircuits(table), kCircuitNames, longName + "y"), -1)
        << "cut to 39 it is the same name";
}

TEST(CircuitList, addingIntoARecordLeftBehindAGapClearsItsOtherFields) {
    CircuitTable table;
    table[0].name = "B";
    table[1].town = "stale";
    table[1].recordMs = 5000;
    table[2].name = "D";
    ASSERT_EQ(addName(fileCircuits(table), kCircuitNames, "C"), 1);
    EXPECT_TRUE(table[1].town.empty());
    EXPECT_EQ(table[1].recordMs, 0);
    EXPECT_EQ(listed(fileCircuits(table), kCircuitNames),
              (std::vector<std::string>{"B", "C", "D"}));
}

TEST(CircuitList, removingClearsTheCircuitAndThenAddsTheTypedName) {
    CircuitTable table;
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        addName(fileCircuits(table), kCircuitNames, name);
    table[1].recordMs = 61'000;
    table[1].recordHolder = "Bob";
    Removal r = removeName(fileCircuits(table), kCircuitNames, "Beta", "");
    EXPECT_EQ(r.select, 0);
    EXPECT_FALSE(r.addedTyped);
    EXPECT_EQ(listed(fileCircuits(table), kCircuitNames),
              (std::vector<std::string>{"Alpha", "Gamma"}));
    for (const CircuitRecord& c : table) {
        EXPECT_NE(c.recordMs, 61'000) << "the lap record went with the circuit";
        EXPECT_NE(c.recordHolder.view(), "Bob");
    }

    r = removeName(fileCircuits(table), kCircuitNames, "Alpha", "Delta");
    EXPECT_TRUE(r.addedTyped);
    EXPECT_EQ(r.select, 0);
    EXPECT_EQ(listed(fileCircuits(table), kCircuitNames),
              (std::vector<std::string>{"Delta", "Gamma"}));
    r = removeName(fileCircuits(table), kCircuitNames, "Gamma", " bad");
    EXPECT_FALSE(r.addedTyped) << "the typed name goes through the same refusals";
    EXPECT_EQ(listed(fileCircuits(table), kCircuitNames), (std::vector<std::string>{"Delta"}));
}

TEST(CircuitList, removingTheOnlyCircuitLeavesNothingToSelectAndAnEmptyFile) {
    TempFolder folder;
    CircuitTable table;
    addName(fileCircuits(table), kCircuitNames, "Only");
    const Removal r = removeName(fileCircuits(table), kCircuitNames, "Only", "");
    EXPECT_EQ(r.select, -1);
    ASSERT_TRUE(writeCircuits(folder.file("c.bd"), table));
    EXPECT_EQ(folder.read("c.bd"), "");
}

TEST(CircuitList, clearingTheLapRecordKeepsTheRestOfTheCircuit) {
    CircuitRecord c;
    c.name = "Mornas";
    c.recordText = "1:01.234";
    c.recordMs = 61'234;
    c.recordParts = splitTime(61'234);
    c.recordHolder = "Bob";
    c.protectionTime = "3";
    clearLapRecord(c);
    EXPECT_TRUE(c.recordText.empty());
    EXPECT_TRUE(c.recordHolder.empty());
    EXPECT_EQ(c.recordMs, 0);
    EXPECT_EQ(c.recordParts.minutes, 0);
    EXPECT_EQ(c.recordParts.millis, 0);
    EXPECT_EQ(c.name.view(), "Mornas");
    EXPECT_EQ(c.protectionTime.view(), "3");
}

TEST(CircuitLookup, theLastCircuitWithTheNameWinsAndAnEmptyOrUnknownNameGivesTheSpare) {
    CircuitTable table;
    table[2].name = "Mornas";
    table[7].name = "Mornas";
    table[9].name = "mornas";
    table[kNoCircuit].name = "Spare";
    EXPECT_EQ(circuitIndexByName(table, "Mornas"), 7);
    EXPECT_EQ(circuitIndexByName(table, "mornas"), 9);
    EXPECT_EQ(circuitIndexByName(table, "Vallon"), kNoCircuit);
    EXPECT_EQ(circuitIndexByName(table, ""), kNoCircuit) << "empty records never match";
    EXPECT_EQ(circuitIndexByName(table, "Spare"), kNoCircuit) << "the spare is not looked in";
}

TEST(ClubList, theHundredAndFirstClubIsRefusedAndRemovingAddsTheTypedName) {
    ClubTable table;
    for (int i = 0; i < kClubCount; ++i)
        ASSERT_GE(addName(table, kClubNames, "Club " + std::to_string(100 + i)), 0);
    EXPECT_EQ(addName(table, kClubNames, "One more"), -1);
    EXPECT_EQ(listedCount(table, kClubNames), kClubCount);

    const Removal r = removeName(table, kClubNames, "Club 150", "Aero Club");
    EXPECT_TRUE(r.addedTyped);
    EXPECT_EQ(r.select, 0);
    EXPECT_EQ(table[0].name.view(), "Aero Club");
    EXPECT_EQ(listedCount(table, kClubNames), kClubCount);
    EXPECT_EQ(positionOf(table, kClubNames, "Club 150"), -1);
}

TEST(DriverList, namesThatMarkPlacesInTheRaceFileAreRefused) {
    const auto table = std::make_unique<DriverTable>();
    EXPECT_EQ(addName(*table, kDriverNames, "(NA)"), -1);
    EXPECT_EQ(addName(*table, kDriverNames, "PisteCourse"), -1);
    EXPECT_EQ(addName(*table, kDriverNames, "Cat\xE9gorie"), -1);
    EXPECT_EQ(addName(*table, kDriverNames, "Ma Cat\xE9gorie 2"), -1);
    EXPECT_EQ(listedCount(*table, kDriverNames), 0);
    EXPECT_EQ(addName(*table, kDriverNames, "(NA) Jr"), 0) << "only exactly \"(NA)\"";
    EXPECT_GE(addName(*table, kDriverNames, "pistecourse"), 0) << "only exactly \"PisteCourse\"";
    EXPECT_GE(addName(*table, kDriverNames, "Categorie"), 0) << "without the accent it is a name";
    EXPECT_EQ(listedCount(*table, kDriverNames), 3);
}

TEST(DriverList, aNameDifferingOnlyInTheCaseOfAToZIsTheSameDriver) {
    const auto table = std::make_unique<DriverTable>();
    ASSERT_EQ(addName(*table, kDriverNames, "Dupont Jean"), 0);
    EXPECT_EQ(addName(*table, kDriverNames, "DUPONT jean"), -1);
    EXPECT_EQ(addName(*table, kDriverNames, "\xC9ric"), 1);
    EXPECT_EQ(addName(*table, kDriverNames, "\xE9ric"), 2)
        << "accented letters keep their case: another driver";
    EXPECT_EQ(listedCount(*table, kDriverNames), 3);
}

TEST(DriverList, theThousandAndFirstDriverIsRefused) {
    const auto table = std::make_unique<DriverTable>();
    for (int i = 0; i < kDriverCount; ++i)
        (*table)[std::size_t(i)].name = "Driver " + std::to_string(1000 + i);
    EXPECT_EQ(addName(*table, kDriverNames, "Aaron"), -1);
    (*table)[999].name.clear();
    EXPECT_EQ(addName(*table, kDriverNames, "Aaron"), 0);
}

TEST(DriverList, theTransponderIsKeptOnlyAtExactlySixDigits) {
    DriverRecord d;
    copyTransponder(d, "123456");
    EXPECT_EQ(d.transponder.view(), "123456");
    for (const char* typed : {"12345", "", "1234567", "12a456", " 23456"}) {
        copyTransponder(d, typed);
        EXPECT_EQ(d.transponder.view(), "123456") << '"' << typed << '"';
    }
    copyTransponder(d, "000042");
    EXPECT_EQ(d.transponder.view(), "000042");
}

TEST(DriverList, clubsMissingFromTheClubsListAreEmptied) {
    const auto drivers = std::make_unique<DriverTable>();
    (*drivers)[0].name = "A";
    (*drivers)[0].club = "RC Val";
    (*drivers)[1].name = "B";
    (*drivers)[1].club = "Gone Club";
    (*drivers)[2].name = "C";
    (*drivers)[2].club = "rc val";
    ClubTable clubs;
    clubs[0].name = "Other";
    clubs[4].name = "RC Val";
    forgetMissingClubs(*drivers, clubs);
    EXPECT_EQ((*drivers)[0].club.view(), "RC Val");
    EXPECT_TRUE((*drivers)[1].club.empty());
    EXPECT_TRUE((*drivers)[2].club.empty()) << "club names compare exactly";
    EXPECT_EQ((*drivers)[1].name.view(), "B");
}

TEST(FrequencyList, onlySixCharactersMakeAFrequency) {
    FrequencyTable table;
    EXPECT_EQ(addName(table, kFrequencyNames, "27.19"), -1);
    EXPECT_EQ(addName(table, kFrequencyNames, " 27.19"), -1);
    EXPECT_EQ(addName(table, kFrequencyNames, "27.195"), 0);
    EXPECT_EQ(addName(table, kFrequencyNames, "27.195"), -1);
    EXPECT_EQ(addName(table, kFrequencyNames, "26.995"), 0);
    EXPECT_EQ(listed(table, kFrequencyNames), (std::vector<std::string>{"26.995", "27.195"}));
}

TEST(FrequencyList, theHundredAndFirstIsRefusedAndRemovingAddsNothing) {
    FrequencyTable table;
    for (int i = 0; i < kFrequencyCount; ++i)
        ASSERT_GE(addName(table, kFrequencyNames, std::to_string(300000 + i)), 0);
    EXPECT_EQ(addName(table, kFrequencyNames, "100000"), -1);

    const Removal r = removeName(table, kFrequencyNames, "300000", "100000");
    EXPECT_FALSE(r.addedTyped);
    EXPECT_EQ(r.select, 0);
    EXPECT_EQ(listedCount(table, kFrequencyNames), kFrequencyCount - 1);
    EXPECT_EQ(table[0].frequency.view(), "300001");
}

TEST(FrequencyList, removingTheOnlyFrequencyThenWritingGivesAnEmptyFile) {
    TempFolder folder;
    FrequencyTable table;
    addName(table, kFrequencyNames, "27.195");
    EXPECT_EQ(removeName(table, kFrequencyNames, "27.195", "").select, -1);
    ASSERT_TRUE(writeFrequencies(folder.file("f.bd"), table));
    EXPECT_EQ(folder.read("f.bd"), "");
}

TEST(DriverList, removingTheOnlyDriverThenWritingGivesAnEmptyFile) {
    TempFolder folder;
    const auto table = std::make_unique<DriverTable>();
    addName(*table, kDriverNames, "Solo");
    (*table)[0].club = "RC";
    EXPECT_EQ(removeName(*table, kDriverNames, "Solo", "").select, -1);
    ASSERT_TRUE(writeDrivers(folder.file("p.bd"), *table));
    EXPECT_EQ(folder.read("p.bd"), "");
    EXPECT_TRUE((*table)[0].club.empty());
}

TEST(ClubList, removingTheOnlyClubThenWritingGivesAnEmptyFile) {
    TempFolder folder;
    ClubTable table;
    addName(table, kClubNames, "Solo");
    EXPECT_EQ(removeName(table, kClubNames, "Solo", "").select, -1);
    ASSERT_TRUE(writeClubs(folder.file("c.bd"), table));
    EXPECT_EQ(folder.read("c.bd"), "");
}

} // namespace
} // namespace racedesk
