#include "core/qualifying/heat_composition_rules.h"

#include "composition_fixture.h"
#include "core/race/heat_storage.h"
#include "core/race/race_tree.h"
#include "core/race/tree_codes.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::Entrant;

class CompositionRules : public test::CompositionFixture {
protected:
    const CategoryEntry& entry() const { return p.header.categories[0]; }
    static int roundsIn(const TreeItems& branch) {
        int count = 0;
        for (const TreeItem& item : branch) {
            for (int round = 1; round <= kMaxRounds; ++round)
                count += normalisedCode(item.code) == roundItem(round) ? 1 : 0;
        }
        return count;
    }
    static int heatsIn(const TreeItems& branch) {
        int count = 0;
        for (const TreeItem& item : branch) {
            int round = 0;
            int heat = 0;
            count += isQualifyingHeat(normalisedCode(item.code), round, heat) ? 1 : 0;
        }
        return count;
    }
    // The participant at `place` was removed from the list: his place is free.
    void leavePlace(int place) {
        HeatComposition composition = fileComposition();
        composition.places[std::size_t(place)] = kFreePlace;
        SectionFile f(file());
        ASSERT_EQ(writeHeatComposition(f, 1, composition), WriteStatus::Written);
    }
    static std::string nameAt(const CompositionDialog& d, int place) {
        return std::string(d.rows[std::size_t(place)].name.view());
    }
};

TEST_F(CompositionRules, openingJoinsEachPlaceToItsParticipantAndCountsTheHeats) {
    makeRace(drivers(21), 10, 2);
    CompositionDialog d = openCompositionDialog(p, 1);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(d.heats, 3) << "the third heat holds one driver";
    EXPECT_EQ(tableRows(d), 30) << "and nine blank places";
    EXPECT_EQ(entry().heatsPerRound, 3) << "stored in the category table";
    EXPECT_EQ(d.composition.rounds, 2);
    EXPECT_EQ(std::string(d.categoryName.view()), "Buggy 1/8");
    EXPECT_EQ(d.participants, 21);
    EXPECT_EQ(nameAt(d, 20), "Driver 21");
    EXPECT_EQ(std::string(d.rows[20].transponder.view()), "100021");
    EXPECT_EQ(std::string(d.rows[20].frequencies[4].view()), "F5-20");
    EXPECT_EQ(nameAt(d, 21), "(NA)");
    EXPECT_TRUE(d.rows[21].transponder.empty());
    EXPECT_TRUE(d.editable);
    EXPECT_FALSE(d.countsFrozen);
}

TEST_F(CompositionRules, aPlaceWhoseDriverLeftTheListShowsHisNameAlone) {
    makeRace(drivers(3), 10, 1);
    HeatComposition composition = fileComposition();
    composition.places[1] = "Somebody Else";
    SectionFile f(file());
    ASSERT_EQ(writeHeatComposition(f, 1, composition), WriteStatus::Written);
    const CompositionDialog d = openCompositionDialog(p, 1);
    EXPECT_EQ(nameAt(d, 1), "Somebody Else");
    EXPECT_TRUE(d.rows[1].transponder.empty());
    EXPECT_EQ(std::string(d.rows[2].transponder.view()), "100003");
}

TEST_F(CompositionRules, aMissingCompositionIsReportedAndItsPlacesStartFree) {
    makeRace(drivers(4), 10, 1, false);
    const CompositionDialog d = openCompositionDialog(p, 1);
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Erreur: Intitulé de Répartition des qualifs non trouvé"});
    EXPECT_EQ(d.composition.driversPerHeat, 10);
    EXPECT_EQ(d.composition.rounds, 1);
    EXPECT_EQ(nameAt(d, 0), "(NA)");
    EXPECT_EQ(d.heats, 1);
}

TEST_F(CompositionRules, aPartlyRunRoundOrAStoredFinalFreezesTheComposition) {
    makeRace(drivers(6), 3, 2);
    setCategory(2, 2);
    EXPECT_TRUE(openCompositionDialog(p, 1).editable) << "nothing run";

    storeHeat(1, 1);
    CompositionDialog partly = openCompositionDialog(p, 1);
    EXPECT_FALSE(partly.editable) << "round 1 has one heat of two stored";
    EXPECT_FALSE(moveDown(p, partly, 0));
    EXPECT_EQ(nameAt(partly, 0), "Driver 1");

    storeHeat(1, 2);
    EXPECT_TRUE(openCompositionDialog(p, 1).editable) << "round 1 wholly run, round 2 not at all";

    storeHeat(2, 2);
    EXPECT_FALSE(openCompositionDialog(p, 1).editable) << "round 2 partly run";
}

TEST_F(CompositionRules, aStoredFinalFreezesTheComposition) {
    makeRace(drivers(6), 3, 2);
    setCategory(2, 2, 1, 1);
    EXPECT_TRUE(openCompositionDialog(p, 1).editable) << "classification confirmed only";
    setCategory(2, 2, 1, 2);
    CompositionDialog d = openCompositionDialog(p, 1);
    EXPECT_FALSE(d.editable);
    EXPECT_FALSE(moveUp(p, d, 1));
    EXPECT_TRUE(t.sound.clips.empty()) << "a refused move does not beep";
}

TEST_F(CompositionRules, onceQualifyingStartedTheCountsStayAsTheyAre) {
    makeRace(drivers(6), 3, 2);
    setCategory(2, 2, 1);
    CompositionDialog d = openCompositionDialog(p, 1);
    EXPECT_TRUE(d.countsFrozen);
    EXPECT_TRUE(d.editable) << "moves stay possible while no round is partly run";
    setDriversPerHeat(p, d, 6);
    setRounds(p, d, 5);
    EXPECT_EQ(d.composition.driversPerHeat, 3);
    EXPECT_EQ(d.composition.rounds, 2);
    EXPECT_EQ(entry().rounds, 2);
    EXPECT_FALSE(qualifyingBranchRebuilt(d));
}

TEST_F(CompositionRules, fieldsAreClampedToTheirLimits) {
    EXPECT_EQ(driversPerHeatOfField("0"), 1);
    EXPECT_EQ(driversPerHeatOfField(""), 1);
    EXPECT_EQ(driversPerHeatOfField("7"), 7);
    EXPECT_EQ(driversPerHeatOfField("20"), 20);
    EXPECT_EQ(driversPerHeatOfField("21"), 20);
    EXPECT_EQ(driversPerHeatOfField("99"), 20);
    EXPECT_EQ(driversPerHeatOfField("123"), 12) << "two characters at most";
    EXPECT_EQ(roundsOfField("0"), 1);
    EXPECT_EQ(roundsOfField("9"), 9);
    EXPECT_EQ(roundsOfField("4"), 4);
    EXPECT_EQ(roundsOfField("35"), 3) << "one character";
}

TEST_F(CompositionRules, changingTheDriversPerHeatRecountsTheHeatsAtOnce) {
    makeRace(drivers(21), 10, 1);
    CompositionDialog d = openCompositionDialog(p, 1);
    setDriversPerHeat(p, d, 7);
    EXPECT_EQ(d.heats, 3);
    setDriversPerHeat(p, d, 5);
    EXPECT_EQ(d.heats, 5);
    EXPECT_EQ(entry().heatsPerRound, 5);
    setDriversPerHeat(p, d, 30);
    EXPECT_EQ(d.composition.driversPerHeat, 20);
    EXPECT_EQ(d.heats, 2);
    setRounds(p, d, 4);
    EXPECT_EQ(entry().rounds, 4) << "stored at once in the category table";
    EXPECT_EQ(fileHeader().categories[0].rounds, 0) << "but not written";
}

TEST_F(CompositionRules, theTableScrollsOneRowAtATimeOverPlacesBeyondTwenty) {
    makeRace(drivers(21), 10, 1);
    CompositionDialog d = openCompositionDialog(p, 1);
    EXPECT_EQ(scrollRange(d), 10);
    scrollTo(d, 4);
    EXPECT_EQ(d.scroll, 4);
    scrollTo(d, 50);
    EXPECT_EQ(d.scroll, 10);
    setDriversPerHeat(p, d, 20);
    EXPECT_EQ(tableRows(d), 40);
    setDriversPerHeat(p, d, 11);
    EXPECT_EQ(scrollRange(d), 2);
    EXPECT_EQ(d.scroll, 2) << "held within the shorter table";
    setDriversPerHeat(p, d, 3);
    EXPECT_EQ(tableRows(d), 21);
    setDriversPerHeat(p, d, 1);
    EXPECT_EQ(scrollRange(d), 1);
}

TEST_F(CompositionRules, movingTheLastDriverOfHeatOneDownMakesHimFirstOfHeatTwo) {
    std::vector<Entrant> list = drivers(21);
    list[9].frequency = "27.145";
    makeRace(list, 10, 1);
    CompositionDialog d = openCompositionDialog(p, 1);
    ASSERT_TRUE(moveDown(p, d, 9));
    EXPECT_EQ(nameAt(d, 10), "Driver 10");
    EXPECT_EQ(std::string(d.rows[10].transponder.view()), "100010");
    EXPECT_EQ(std::string(d.rows[10].frequencies[0].view()), "27.145");
    EXPECT_EQ(std::string(d.rows[10].frequencies[1].view()), "F2-9");
    EXPECT_EQ(nameAt(d, 9), "Driver 11");
    EXPECT_EQ(std::string(d.rows[9].transponder.view()), "100011");
    EXPECT_TRUE(d.rows[9].frequencies[0].empty());
    EXPECT_EQ(std::string(placeName(d.composition, 10)), "Driver 10");
    EXPECT_EQ(std::string(placeName(d.composition, 9)), "Driver 11");
    EXPECT_EQ(t.sound.clips, std::vector<std::string>{"sons/beep1.wav"});

    ASSERT_TRUE(moveUp(p, d, 10));
    EXPECT_EQ(nameAt(d, 9), "Driver 10");
    EXPECT_EQ(t.sound.count("sons/beep1.wav"), 2);
}

TEST_F(CompositionRules, movesStopAtTheEndsOfTheTable) {
    makeRace(drivers(21), 10, 1);
    CompositionDialog d = openCompositionDialog(p, 1);
    EXPECT_FALSE(moveUp(p, d, 0));
    EXPECT_FALSE(moveDown(p, d, 29)) << "the last row has no down arrow";
    EXPECT_TRUE(moveDown(p, d, 28)) << "free places move like any other";
    EXPECT_TRUE(t.sound.count("sons/beep1.wav") == 1);
}

TEST_F(CompositionRules, aFreePlaceMovedPastTheLastDriverDropsHisHeat) {
    makeRace(drivers(21), 10, 1);
    leavePlace(19);
    CompositionDialog d = openCompositionDialog(p, 1);
    ASSERT_EQ(d.heats, 3);
    scrollTo(d, 10);
    ASSERT_TRUE(moveDown(p, d, 19));
    EXPECT_EQ(nameAt(d, 19), "Driver 21");
    EXPECT_EQ(nameAt(d, 20), "(NA)");
    EXPECT_EQ(d.heats, 2);
    EXPECT_EQ(entry().heatsPerRound, 2);
    EXPECT_EQ(scrollRange(d), 0);
    EXPECT_EQ(d.scroll, 0);
}

TEST_F(CompositionRules, noDriverMovesPastTheTwoHundredthPlace) {
    makeRace(drivers(200), 11, 1);
    CompositionDialog d = openCompositionDialog(p, 1);
    ASSERT_EQ(tableRows(d), 209);
    EXPECT_FALSE(canMoveDown(d, 199));
    EXPECT_FALSE(moveDown(p, d, 199));
    EXPECT_EQ(nameAt(d, 199), "Driver 200");
    EXPECT_TRUE(canMoveDown(d, 198));
    EXPECT_TRUE(canMoveUp(d, 199));
}

TEST_F(CompositionRules, sharedFirstFrequenciesConflictOnlyWithinOneHeat) {
    makeRace({{"Ann", "1", "27.145"},
              {"Bob", "2", "27.145"},
              {"Cid", "3", "2.4Ghz"},
              {"Dan", "4", "2.4Ghz"},
              {"Eve", "5", "27.145"},
              {"Fay", "6", ""},
              {"Gus", "7", ""},
              {"Hal", "8", "40.665"}},
             4, 1);
    CompositionDialog d = openCompositionDialog(p, 1);
    EXPECT_TRUE(firstFrequencyConflicts(d, 0));
    EXPECT_TRUE(firstFrequencyConflicts(d, 1));
    EXPECT_FALSE(firstFrequencyConflicts(d, 2)) << "spread spectrum never clashes";
    EXPECT_FALSE(firstFrequencyConflicts(d, 3));
    EXPECT_FALSE(firstFrequencyConflicts(d, 4)) << "the same frequency in another heat";
    EXPECT_FALSE(firstFrequencyConflicts(d, 5)) << "no frequency";
    EXPECT_FALSE(firstFrequencyConflicts(d, 7));

    ASSERT_TRUE(moveUp(p, d, 4)); // Eve into heat 1, Dan into heat 2
    EXPECT_TRUE(firstFrequencyConflicts(d, 3));
    EXPECT_TRUE(firstFrequencyConflicts(d, 0));
    setDriversPerHeat(p, d, 8);
    EXPECT_TRUE(firstFrequencyConflicts(d, 3)) << "three drivers on 27.145 in one heat";
}

TEST_F(CompositionRules, generatingMoreThanTwentyHeatsIsRefused) {
    makeRace(drivers(21), 10, 1);
    const std::string before = t.folder.read(kWorkingRaceFile);
    CompositionDialog d = openCompositionDialog(p, 1);
    setDriversPerHeat(p, d, 1);
    EXPECT_EQ(generateComposition(p, d), GenerateOutcome::TooManyHeats);
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Le nombre de séries ne doit pas être supérieur à 20"});
    EXPECT_EQ(t.folder.read(kWorkingRaceFile), before);
    setDriversPerHeat(p, d, 2);
    EXPECT_EQ(generateComposition(p, d), GenerateOutcome::Written) << "11 heats";
}

TEST_F(CompositionRules, onceQualifyingStartedTheNumberOfHeatsMustStay) {
    makeRace(drivers(21), 10, 2);
    leavePlace(19);
    setCategory(2, 3, 1);
    const std::string before = t.folder.read(kWorkingRaceFile);
    CompositionDialog d = openCompositionDialog(p, 1);
    ASSERT_TRUE(moveDown(p, d, 19));
    ASSERT_EQ(d.heats, 2);
    EXPECT_EQ(generateComposition(p, d), GenerateOutcome::HeatsChanged);
    EXPECT_EQ(messages(), std::vector<std::string>{"Le nombre de séries doit être égal à 3"});
    EXPECT_EQ(t.folder.read(kWorkingRaceFile), before);
    // The dropped heat cannot come back by moves: the director leaves with "Echap".
    escapeComposition(p, d);
    EXPECT_EQ(entry().heatsPerRound, 3);
}

TEST_F(CompositionRules, generatingWritesTheCountersAndThePlacesAndTheTreeFollows) {
    makeRace(drivers(21), 10, 1);
    CompositionDialog d = openCompositionDialog(p, 1);
    setDriversPerHeat(p, d, 7);
    setRounds(p, d, 3);
    ASSERT_TRUE(moveDown(p, d, 0));
    ASSERT_EQ(generateComposition(p, d), GenerateOutcome::Written);
    EXPECT_TRUE(messages().empty());

    const RaceHeader header = fileHeader();
    EXPECT_EQ(header.categories[0].rounds, 3);
    EXPECT_EQ(header.categories[0].heatsPerRound, 3);
    EXPECT_EQ(header.categories[0].participants, 21) << "the rest of the entry stays";
    const HeatComposition written = fileComposition();
    EXPECT_EQ(written.driversPerHeat, 7);
    EXPECT_EQ(written.rounds, 3);
    EXPECT_EQ(written.qualifyingStarted, 0);
    EXPECT_EQ(std::string(placeName(written, 0)), "Driver 2");
    EXPECT_EQ(std::string(placeName(written, 1)), "Driver 1");
    EXPECT_EQ(std::string(placeName(written, 21)), "(NA)");

    EXPECT_TRUE(startingGridsFollow(p, d));
    EXPECT_TRUE(qualifyingBranchRebuilt(d));
    const TreeItems branch = readBranch(p, itemCode(1, kQualifyingItem));
    EXPECT_EQ(roundsIn(branch), 3);
    EXPECT_EQ(heatsIn(branch), 9);
}

TEST_F(CompositionRules, generatingWithoutACompositionSectionWritesOnlyTheCounters) {
    makeRace(drivers(4), 10, 1, false);
    CompositionDialog d = openCompositionDialog(p, 1);
    t.dialogs.messages.clear();
    setRounds(p, d, 2);
    EXPECT_EQ(generateComposition(p, d), GenerateOutcome::Written);
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Erreur: Intitulé de Répartition des qualifs non trouvé"});
    EXPECT_EQ(fileHeader().categories[0].rounds, 2);
    SectionFile f(file());
    EXPECT_FALSE(f.body(heatCompositionTitle(1)).has_value());
}

TEST_F(CompositionRules, echapPutsBackTheNumbersOfRoundsAndHeatsTheCategoryHad) {
    makeRace(drivers(21), 10, 2);
    setCategory(2, 3);
    const std::string before = t.folder.read(kWorkingRaceFile);
    CompositionDialog d = openCompositionDialog(p, 1);
    setDriversPerHeat(p, d, 4);
    setRounds(p, d, 5);
    ASSERT_EQ(entry().heatsPerRound, 6);
    ASSERT_EQ(entry().rounds, 5);
    escapeComposition(p, d);
    EXPECT_EQ(entry().rounds, 2);
    EXPECT_EQ(entry().heatsPerRound, 3);
    EXPECT_EQ(t.folder.read(kWorkingRaceFile), before) << "nothing written";
    EXPECT_TRUE(startingGridsFollow(p, d));
}

TEST_F(CompositionRules, echapOnACategoryWithoutRoundsOpensNoGrids) {
    // The participants list changed: the category's numbers are 0 until a new composition.
    makeRace(drivers(5), 10, 2);
    setCategory(0, 0);
    CompositionDialog d = openCompositionDialog(p, 1);
    setRounds(p, d, 4);
    EXPECT_TRUE(startingGridsFollow(p, d)) << "the field's rounds while it is open";
    escapeComposition(p, d);
    EXPECT_EQ(entry().rounds, 0);
    EXPECT_EQ(entry().heatsPerRound, 0);
    EXPECT_FALSE(startingGridsFollow(p, d));
    EXPECT_EQ(roundsIn(readBranch(p, itemCode(1, kQualifyingItem))), 0);
}

class BoardHeatRelease : public CompositionRules {
protected:
    void SetUp() override {
        CompositionRules::SetUp();
        makeRace(drivers(6), 3, 1);
        setCategory(1, 2);
        SectionFile f(file());
        ASSERT_EQ(writeStartingGrids(f, 1, defaultStartingGrids(0, 3, 1)), WriteStatus::Written);
    }
};

TEST_F(BoardHeatRelease, aLoadedHeatWithoutPassingsLeavesTheBoard) {
    loadQualifyingHeat(p, 1, 1, 2);
    ASSERT_TRUE(p.loaded.loaded());
    const CompositionDialog d = openCompositionDialog(p, 1);
    EXPECT_TRUE(releaseBoardHeat(p, d));
    EXPECT_FALSE(p.loaded.loaded());
    EXPECT_FALSE(p.run.heatLoaded);
    EXPECT_EQ(std::string(p.slots[0].name.view()), "(NA)");
}

TEST_F(BoardHeatRelease, aHeatWithPassingsStays) {
    loadQualifyingHeat(p, 1, 1, 1);
    p.slots[1].passings = 1;
    const CompositionDialog d = openCompositionDialog(p, 1);
    EXPECT_FALSE(releaseBoardHeat(p, d));
    EXPECT_TRUE(p.loaded.loaded());
}

TEST_F(BoardHeatRelease, nothingLeavesWhileARoundIsPartlyRun) {
    loadQualifyingHeat(p, 1, 1, 2);
    storeHeat(1, 1);
    const CompositionDialog d = openCompositionDialog(p, 1);
    EXPECT_FALSE(releaseBoardHeat(p, d));
    EXPECT_TRUE(p.loaded.loaded());
}

TEST_F(BoardHeatRelease, aHeatOfAnotherCategoryStays) {
    loadQualifyingHeat(p, 1, 1, 2);
    CompositionDialog d = openCompositionDialog(p, 1);
    d.category = 2;
    EXPECT_FALSE(releaseBoardHeat(p, d));
    EXPECT_TRUE(p.loaded.loaded());
}

} // namespace
} // namespace racedesk
