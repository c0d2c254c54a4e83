#include "core/race/participants_dialog_rules.h"

#include "core/race/participants_section.h"
#include "core/race/section_file.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::TestProgram;

DriverRecord driver(const std::string& name, const char* transponder = "") {
    DriverRecord d;
    d.name = name;
    d.transponder = transponder;
    return d;
}

std::vector<std::string> names(const ParticipantTable& table) {
    std::vector<std::string> listed;
    for (int i = 0; i < listedParticipants(table); ++i)
        listed.emplace_back(table[std::size_t(i)].name.view());
    return listed;
}

std::vector<std::string> places(const HeatComposition& composition, int count) {
    std::vector<std::string> listed;
    for (int i = 0; i < count; ++i)
        listed.emplace_back(composition.places[std::size_t(i)].view());
    return listed;
}

TEST(ParticipantsAdd, theDriverComesWithHisTransponderAndNoFrequency) {
    ParticipantTable participants;
    HeatComposition composition;
    const int place = addParticipant(participants, composition, driver("Marc Petit", "004711"));
    ASSERT_EQ(place, 0);
    EXPECT_EQ(participants[0].name, std::string_view("Marc Petit"));
    EXPECT_EQ(participants[0].transponder, std::string_view("004711"));
    for (const FrequencyText& f : participants[0].frequencies)
        EXPECT_TRUE(f.empty());
    EXPECT_EQ(composition.places[0], std::string_view("Marc Petit"));
    EXPECT_EQ(usedPlaces(composition), 1);
}

TEST(ParticipantsAdd, aDriverAlreadyInTheListIsNotAddedTwice) {
    ParticipantTable participants;
    HeatComposition composition;
    ASSERT_GE(addParticipant(participants, composition, driver("Marc Petit")), 0);
    EXPECT_EQ(addParticipant(participants, composition, driver("Marc Petit", "000001")), -1);
    EXPECT_EQ(participantCount(participants), 1);
    EXPECT_TRUE(participants[0].transponder.empty());
    EXPECT_EQ(usedPlaces(composition), 1);
    EXPECT_EQ(addParticipant(participants, composition, driver("")), -1);
}

TEST(ParticipantsAdd, theTwoHundredAndFirstIsRefused) {
    ParticipantTable participants;
    HeatComposition composition;
    for (int i = 0; i < kMaxParticipants; ++i)
        ASSERT_GE(addParticipant(participants, composition, driver("D" + std::to_string(1000 + i))),
                  0)
            << i;
    EXPECT_EQ(participantCount(participants), 200);
    EXPECT_EQ(addParticipant(participants, composition, driver("Late")), -1);
    EXPECT_EQ(usedPlaces(composition), 200);
}

TEST(ParticipantsAdd, aCompositionUsedUpToItsTwoHundredthPlaceRefusesAnyMore) {
    ParticipantTable participants;
    HeatComposition composition;
    composition.places[198] = "Early"; // the 199th place: one more fits
    ASSERT_EQ(addParticipant(participants, composition, driver("Next")), 0);
    EXPECT_EQ(composition.places[199], std::string_view("Next"));
    EXPECT_EQ(addParticipant(participants, composition, driver("Refused")), -1);
    EXPECT_EQ(participantCount(participants), 1);
    EXPECT_EQ(composition.places[200], std::string_view("(NA)"));
}

TEST(ParticipantsAdd, theListIsInCaseFoldedOrderWhileTheCompositionKeepsTheAddingOrder) {
    ParticipantTable participants;
    HeatComposition composition;
    for (const char* name : {"zoe Roux", "Bruno Lenoir", "ALAIN Morel", "anne Dupuis"})
        ASSERT_GE(addParticipant(participants, composition, driver(name)), 0);
    EXPECT_EQ(names(participants),
              (std::vector<std::string>{"ALAIN Morel", "anne Dupuis", "Bruno Lenoir", "zoe Roux"}));
    EXPECT_EQ(places(composition, 5),
              (std::vector<std::string>{"zoe Roux", "Bruno Lenoir", "ALAIN Morel", "anne Dupuis",
                                        "(NA)"}));
    // The place given back is where the new driver stands once sorted.
    EXPECT_EQ(addParticipant(participants, composition, driver("Bea")), 2);
}

TEST(ParticipantsRemove, theFreedPlaceBecomesNaWithoutMovingTheOthers) {
    ParticipantTable participants;
    HeatComposition composition;
    for (const char* name : {"Cyril", "Alice", "Bruno"})
        addParticipant(participants, composition, driver(name));
    ASSERT_TRUE(removeParticipant(participants, composition, participants[0].name.view()));
    EXPECT_EQ(names(participants), (std::vector<std::string>{"Bruno", "Cyril"}));
    EXPECT_TRUE(participants[2].isFree());
    EXPECT_EQ(places(composition, 3), (std::vector<std::string>{"Cyril", "(NA)", "Bruno"}));
    // A new driver goes after the last used place, not into the freed one.
    addParticipant(participants, composition, driver("Denis"));
    EXPECT_EQ(places(composition, 4),
              (std::vector<std::string>{"Cyril", "(NA)", "Bruno", "Denis"}));
    EXPECT_FALSE(removeParticipant(participants, composition, "Nobody"));
    EXPECT_FALSE(removeParticipant(participants, composition, ""));
}

TEST(ParticipantsRemove, everyPlaceOfThatNameIsEmptiedWithItsTransponderAndFrequencies) {
    ParticipantTable participants;
    HeatComposition composition;
    participants[0].name = "Twice";
    participants[0].transponder = "000111";
    participants[0].frequencies[2] = "27.095";
    participants[1].name = "Twice";
    participants[2].name = "Other";
    composition.places[0] = "Twice";
    composition.places[5] = "Twice";
    composition.places[6] = "Other";
    ASSERT_TRUE(removeParticipant(participants, composition, "Twice"));
    EXPECT_EQ(names(participants), (std::vector<std::string>{"Other"}));
    EXPECT_TRUE(participants[1].transponder.empty());
    EXPECT_TRUE(participants[1].frequencies[2].empty());
    EXPECT_EQ(composition.places[0], std::string_view("(NA)"));
    EXPECT_EQ(composition.places[5], std::string_view("(NA)"));
    EXPECT_EQ(composition.places[6], std::string_view("Other"));
}

// A race of two categories with four drivers in the database.
struct ParticipantsDialogRules : ::testing::Test {
    TestProgram t;
    Program& p = t.program;

    void SetUp() override {
        ASSERT_TRUE(createWorkingRaceFile(p.path(kWorkingRaceFile)));
        RaceHeader header = newRaceHeader();
        header.categoryCount = 2;
        header.categories[1].name = "Touring";
        writeHeader(header);
        DriverTable drivers;
        drivers[0] = driver("Yves Bon", "001234");
        drivers[0].licence = "L-77";
        drivers[0].club = "RC Club Val";
        drivers[1] = driver("alain Dur", "002345");
        drivers[2] = driver("Marie Roy");
        drivers[3] = driver("Zoe Lin");
        ASSERT_TRUE(writeDrivers(p.path(kDriversFile), drivers));
    }

    void writeHeader(const RaceHeader& header) {
        ASSERT_EQ(writeRaceHeader(p.path(kWorkingRaceFile), header), WriteStatus::Written);
    }
    RaceHeader fileHeader() {
        RaceHeader header;
        EXPECT_TRUE(readRaceHeader(p.path(kWorkingRaceFile), header));
        return header;
    }
    std::string bytes() { return t.folder.read(kWorkingRaceFile); }
};

TEST_F(ParticipantsDialogRules, theDialogEditsTheCategoryOfTheMarkedItem) {
    markSelectedItem(p, 21000);
    EXPECT_EQ(fileHeader().selectedItem, 21000);
    ParticipantsDialog d;
    ASSERT_TRUE(openParticipantsDialog(p, d));
    EXPECT_EQ(d.category, 2);
    EXPECT_EQ(d.entry().name, std::string_view("Touring"));
    EXPECT_EQ(d.driverCount, 4);
    EXPECT_FALSE(d.frozen);
    EXPECT_EQ(d.composition.driversPerHeat, 10);
    EXPECT_EQ(d.composition.rounds, 1);
    EXPECT_EQ(usedPlaces(d.composition), 0);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ParticipantsDialogRules, validateWritesTheListAndTheCompositionAndResetsTheCounters) {
    RaceHeader header = fileHeader();
    header.categories[1].rounds = 3;
    header.categories[1].heatsPerRound = 4;
    header.selectedItem = 21000;
    writeHeader(header);
    ParticipantsDialog d;
    ASSERT_TRUE(openParticipantsDialog(p, d));
    ASSERT_GE(addFromDatabase(d, 0), 0);
    ASSERT_GE(addFromDatabase(d, 1), 0);
    ASSERT_GE(addFromDatabase(d, 2), 0);
    ASSERT_TRUE(removeAt(d, 2));          // "Yves Bon", last in name order
    EXPECT_EQ(addFromDatabase(d, 4), -1); // past the listed drivers
    ASSERT_TRUE(validateParticipantsDialog(p, d));

    const RaceHeader written = fileHeader();
    EXPECT_EQ(written.categories[1].rounds, 0);
    EXPECT_EQ(written.categories[1].heatsPerRound, 0);
    EXPECT_EQ(written.categories[1].participants, 2);
    SectionFile file(p.path(kWorkingRaceFile));
    ParticipantTable participants;
    ASSERT_TRUE(readParticipants(file, 2, participants));
    EXPECT_EQ(names(participants), (std::vector<std::string>{"alain Dur", "Marie Roy"}));
    EXPECT_EQ(participants[0].transponder, std::string_view("002345"));
    HeatComposition composition;
    ASSERT_TRUE(readHeatComposition(file, 2, composition));
    EXPECT_EQ(places(composition, 3), (std::vector<std::string>{"(NA)", "alain Dur", "Marie Roy"}));
    EXPECT_FALSE(file.body(participantsTitle(1)).has_value());
}

TEST_F(ParticipantsDialogRules, theStoredListAndCompositionAreWhatTheDialogStartsFrom) {
    ParticipantTable stored;
    stored[0].name = "Marie Roy";
    stored[0].frequencies[0] = "27.095";
    HeatComposition composition;
    composition.driversPerHeat = 6;
    composition.rounds = 3;
    composition.places[4] = "Marie Roy";
    {
        SectionFile file(p.path(kWorkingRaceFile));
        ASSERT_EQ(writeParticipants(file, 1, stored), WriteStatus::Written);
        ASSERT_EQ(writeHeatComposition(file, 1, composition), WriteStatus::Written);
    }
    ParticipantsDialog d;
    ASSERT_TRUE(openParticipantsDialog(p, d)); // the new race's selected item: category 1
    EXPECT_EQ(d.category, 1);
    EXPECT_EQ(d.participants[0].frequencies[0], std::string_view("27.095"));
    EXPECT_EQ(d.composition.driversPerHeat, 6);
    ASSERT_GE(addFromDatabase(d, 3), 0);
    EXPECT_EQ(d.composition.places[5], std::string_view("Zoe Lin"));
    ASSERT_TRUE(validateParticipantsDialog(p, d));
    SectionFile file(p.path(kWorkingRaceFile));
    HeatComposition back;
    ASSERT_TRUE(readHeatComposition(file, 1, back));
    EXPECT_EQ(back.driversPerHeat, 6);
    EXPECT_EQ(back.rounds, 3);
}

TEST_F(ParticipantsDialogRules, onceQualifyingStartedTheListIsFrozen) {
    RaceHeader header = fileHeader();
    header.categories[0].qualifyingStarted = 1;
    header.categories[0].rounds = 2;
    writeHeader(header);
    ParticipantTable stored;
    stored[0].name = "Marie Roy";
    {
        SectionFile file(p.path(kWorkingRaceFile));
        ASSERT_EQ(writeParticipants(file, 1, stored), WriteStatus::Written);
    }
    const std::string before = bytes();
    ParticipantsDialog d;
    ASSERT_TRUE(openParticipantsDialog(p, d));
    EXPECT_TRUE(d.frozen);
    EXPECT_EQ(addFromDatabase(d, 0), -1);
    EXPECT_FALSE(removeAt(d, 0));
    EXPECT_FALSE(validateParticipantsDialog(p, d));
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(participantsDocument(d).rows.size(), 1u); // it still prints
}

TEST_F(ParticipantsDialogRules, theDriversDatabaseMissingIsReportedAndTheListStillOpens) {
    std::remove(p.path(kDriversFile).c_str());
    ParticipantsDialog d;
    ASSERT_TRUE(openParticipantsDialog(p, d));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Erreur: impossible d'ouvrir la base de données Pilotes");
    EXPECT_EQ(d.driverCount, 0);
}

TEST_F(ParticipantsDialogRules, anItemOfNoCategoryOfTheRaceOpensNothing) {
    markSelectedItem(p, 31000);
    ParticipantsDialog d;
    EXPECT_FALSE(openParticipantsDialog(p, d));
    EXPECT_EQ(d.category, 0);
    EXPECT_FALSE(validateParticipantsDialog(p, d));
}

TEST_F(ParticipantsDialogRules, thePrintoutListsLicenceAndClubFromTheDatabase) {
    ParticipantsDialog d;
    ASSERT_TRUE(openParticipantsDialog(p, d));
    addFromDatabase(d, 0);
    addFromDatabase(d, 2);
    const PrintDocument document = participantsDocument(d);
    ASSERT_EQ(document.rows.size(), 2u);
    EXPECT_EQ(document.rows[0], (PrintRow{"Marie Roy", "", ""}));
    EXPECT_EQ(document.rows[1], (PrintRow{"Yves Bon", "L-77", "RC Club Val"}));
    EXPECT_EQ(document.firstTitle, "CATEGORIE : CATEGORIE 1");
}

TEST_F(ParticipantsDialogRules, afterValidatingTheRunOnTheBoardIsUnloaded) {
    p.loaded.sectionTitle = "Cat\xE9gorie1M1S1";
    p.loaded.category = 1;
    EXPECT_TRUE(afterParticipantsDialog(p, 1));
    EXPECT_FALSE(p.loaded.loaded());
    EXPECT_EQ(p.header.categoryCount, 2);
}

TEST_F(ParticipantsDialogRules, afterCancellingOnAComposedCategoryNothingChanges) {
    RaceHeader header = fileHeader();
    header.categories[1].heatsPerRound = 2;
    writeHeader(header);
    p.loaded.sectionTitle = "Cat\xE9gorie1M1S1";
    EXPECT_FALSE(afterParticipantsDialog(p, 2));
    EXPECT_TRUE(p.loaded.loaded());
    EXPECT_EQ(p.header.categories[1].heatsPerRound, 2);
    EXPECT_FALSE(afterParticipantsDialog(p, 5)); // no such category
}

} // namespace
} // namespace racedesk
