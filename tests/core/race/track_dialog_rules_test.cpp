#include "core/race/track_dialog_rules.h"

#include "core/race/section_file.h"
#include "core/race/working_race_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::TestProgram;

// A new race with two clubs and three circuits in the databases.
struct TrackDialogRules : ::testing::Test {
    TestProgram t;
    Program& p = t.program;

    void SetUp() override {
        ASSERT_TRUE(createWorkingRaceFile(p.path(kWorkingRaceFile)));
        ClubTable clubs;
        clubs[0].name = "RC Club Val";
        clubs[1].name = "Mini Racing 44";
        ASSERT_TRUE(writeClubs(p.path(kClubsFile), clubs));
        writeCircuitsNamed({"Pins", "Lac", "Dunes"});
    }

    void writeCircuitsNamed(const std::vector<std::string>& names) {
        CircuitTable circuits;
        for (std::size_t i = 0; i < names.size(); ++i) {
            circuits[i].name = names[i];
            circuits[i].protectionTime = std::to_string(3 + i);
            circuits[i].length = "250";
            circuits[i].town = "Nantes";
        }
        ASSERT_TRUE(writeCircuits(p.path(kCircuitsFile), circuits));
    }

    void storeTrack(const char* club, const char* circuit) {
        TrackSettings stored;
        stored.raceName = "Coupe d'hiver";
        stored.club = club;
        stored.circuit = circuit;
        stored.protectionSeconds = 6;
        SectionFile file(p.path(kWorkingRaceFile));
        ASSERT_EQ(writeTrack(file, stored), WriteStatus::Written);
    }

    TrackSettings fileTrack() {
        SectionFile file(p.path(kWorkingRaceFile));
        TrackSettings track;
        EXPECT_TRUE(readTrack(file, track));
        return track;
    }
};

TEST_F(TrackDialogRules, aNewRaceOpensEmptyWithTwoSecondsAndTheListsInFileOrder) {
    TrackDialog d;
    openTrackDialog(p, d);
    EXPECT_TRUE(d.track.raceName.empty());
    EXPECT_EQ(d.track.protectionSeconds, 2);
    EXPECT_EQ(d.clubCount, 2);
    EXPECT_EQ(d.circuitCount, 3);
    EXPECT_EQ(d.clubs[1].name, std::string_view("Mini Racing 44"));
    EXPECT_EQ(d.club, -1);
    EXPECT_EQ(d.circuit, -1);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(TrackDialogRules, theStoredTrackComesBackWithItsClubAndCircuitSelected) {
    storeTrack("Mini Racing 44", "Dunes");
    TrackDialog d;
    openTrackDialog(p, d);
    EXPECT_EQ(d.track.raceName, std::string_view("Coupe d'hiver"));
    EXPECT_EQ(d.track.protectionSeconds, 6);
    EXPECT_EQ(d.club, 1);
    EXPECT_EQ(d.circuit, 2);
    ASSERT_NE(selectedCircuit(d), nullptr);
    EXPECT_EQ(selectedCircuit(d)->town, std::string_view("Nantes"));
}

TEST_F(TrackDialogRules, aClubOrCircuitRemovedFromItsDatabaseIsForgotten) {
    storeTrack("Ancien Club", "Lac");
    writeCircuitsNamed({"Pins", "Dunes"});
    TrackDialog d;
    openTrackDialog(p, d);
    EXPECT_EQ(d.club, -1);
    EXPECT_TRUE(d.track.club.empty());
    EXPECT_EQ(d.circuit, -1);
    EXPECT_TRUE(d.track.circuit.empty());
    EXPECT_EQ(d.track.raceName, std::string_view("Coupe d'hiver"));
}

TEST_F(TrackDialogRules, aNameStandingAfterAnEmptyOneIsNotListedAndSoForgotten) {
    TrackDialog d;
    d.circuits[0].name = "Pins";
    d.circuits[2].name = "Lac"; // after the empty name: the list stops before it
    d.track.circuit = "Lac";
    selectStoredNames(d);
    EXPECT_EQ(d.circuitCount, 1);
    EXPECT_EQ(d.circuit, -1);
    EXPECT_TRUE(d.track.circuit.empty());
}

TEST_F(TrackDialogRules, missingDatabasesAreReportedAndTheDialogStillOpens) {
    std::remove(p.path(kClubsFile).c_str());
    std::remove(p.path(kCircuitsFile).c_str());
    TrackDialog d;
    openTrackDialog(p, d);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Erreur: impossible d'ouvrir la base de données Clubs");
    EXPECT_EQ(t.dialogs.messages[1].text,
              "Erreur: impossible d'ouvrir la base de données Circuits");
    EXPECT_EQ(d.clubCount, 0);
    EXPECT_EQ(d.circuitCount, 0);
}

TEST(TrackRaceName, namesTakenForSectionTitlesAreEmptiedAsTyped) {
    TrackDialog d;
    EXPECT_TRUE(typeRaceName(d, "Coupe de No\xEBl"));
    EXPECT_EQ(d.track.raceName, std::string_view("Coupe de No\xEBl"));
    EXPECT_FALSE(typeRaceName(d, "PisteCourse"));
    EXPECT_TRUE(d.track.raceName.empty());
    EXPECT_FALSE(typeRaceName(d, "Finale Cat\xE9gorie 2"));
    EXPECT_TRUE(d.track.raceName.empty());
    // Only the exact title and the category prefix are refused.
    EXPECT_TRUE(typeRaceName(d, "PisteCourse 2"));
    EXPECT_TRUE(typeRaceName(d, "Categorie Open"));
    EXPECT_TRUE(typeRaceName(d, std::string(60, 'R')));
    EXPECT_EQ(d.track.raceName.view(), std::string(48, 'R'));
}

TEST(TrackProtection, aTimeBelowTwoSecondsIsStoredAsTwo) {
    EXPECT_EQ(protectionSecondsOf("0"), 2);
    EXPECT_EQ(protectionSecondsOf("1"), 2);
    EXPECT_EQ(protectionSecondsOf(""), 2);
    EXPECT_EQ(protectionSecondsOf("2"), 2);
    EXPECT_EQ(protectionSecondsOf("15"), 15);
    EXPECT_EQ(protectionSecondsOf("999"), 999);
    EXPECT_EQ(protectionSecondsOf("1234"), 123); // three digits at most
    EXPECT_EQ(protectionSecondsOf("7s"), 7);
    TrackDialog d;
    typeProtection(d, "40");
    EXPECT_EQ(d.track.protectionSeconds, 40);
    typeProtection(d, "1");
    EXPECT_EQ(d.track.protectionSeconds, 2);
}

TEST_F(TrackDialogRules, choosingACircuitTakesItsProtectionTimeThroughTheSameFloor) {
    TrackDialog d;
    openTrackDialog(p, d);
    chooseCircuit(d, 1);
    EXPECT_EQ(d.track.circuit, std::string_view("Lac"));
    EXPECT_EQ(d.track.protectionSeconds, 4);
    d.circuits[0].protectionTime = "0";
    chooseCircuit(d, 0);
    EXPECT_EQ(d.track.protectionSeconds, 2);
    d.circuits[2].protectionTime.clear();
    chooseCircuit(d, 2);
    EXPECT_EQ(d.track.circuit, std::string_view("Dunes"));
    EXPECT_EQ(d.track.protectionSeconds, 2);
    chooseCircuit(d, 3); // not listed
    EXPECT_EQ(d.circuit, 2);
    chooseClub(d, 0);
    EXPECT_EQ(d.track.club, std::string_view("RC Club Val"));
}

TEST_F(TrackDialogRules, validateWritesTheTrackAndTheWindowTakesItBack) {
    TrackDialog d;
    openTrackDialog(p, d);
    typeRaceName(d, "Grand Prix");
    chooseClub(d, 1);
    chooseCircuit(d, 1);
    typeProtection(d, "0");
    ASSERT_TRUE(validateTrackDialog(p, d));
    const std::string bytes = t.folder.read(kWorkingRaceFile);
    EXPECT_NE(bytes.find("PisteCourse\t\r\nGrand Prix\tMini Racing 44\tLac\t2\t\r\n"),
              std::string::npos);

    p.circuits[0].name = "Pins";
    p.circuits[1].name = "Lac";
    takeTrackBack(p);
    EXPECT_EQ(p.track.raceName, std::string_view("Grand Prix"));
    EXPECT_EQ(p.track.circuit, std::string_view("Lac"));
    EXPECT_EQ(p.track.protectionSeconds, 2);
    EXPECT_EQ(p.run.circuitIndex, 1);
    EXPECT_EQ(p.run.minLapSeconds, 2);
}

TEST_F(TrackDialogRules, aCircuitUnknownToTheWindowLeavesTheRaceWithoutACircuit) {
    storeTrack("RC Club Val", "Dunes");
    p.run.circuitIndex = 4;
    takeTrackBack(p);
    EXPECT_EQ(p.track.circuit, std::string_view("Dunes"));
    EXPECT_EQ(p.run.circuitIndex, kNoCircuit);
    EXPECT_EQ(p.run.minLapSeconds, 6);
}

TEST_F(TrackDialogRules, validateWithoutARaceFileIsReportedAndWritesNothing) {
    std::remove(p.path(kWorkingRaceFile).c_str());
    TrackDialog d;
    typeRaceName(d, "Grand Prix");
    EXPECT_FALSE(validateTrackDialog(p, d));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Erreur: impossible d'ouvrir le fichier Course");
    EXPECT_FALSE(t.folder.exists(kWorkingRaceFile));
}

} // namespace
} // namespace racedesk
