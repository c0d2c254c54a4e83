#include "core/qualifying/starting_grid_rules.h"

#include "composition_fixture.h"
#include "core/qualifying/heat_composition_rules.h"
#include "core/race/qualifying_parameters_section.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

class GridRules : public test::CompositionFixture {
protected:
    void useStartingOrder(StartingOrder order) {
        QualifyingParameters parameters;
        parameters.startingOrder = order;
        SectionFile f(file());
        ASSERT_EQ(writeQualifyingParameters(f, 1, parameters), WriteStatus::Written);
    }
    void storeGrids(const StartingGrids& grids) {
        SectionFile f(file());
        ASSERT_EQ(writeStartingGrids(f, 1, grids), WriteStatus::Written);
    }
    // A dialog on N drivers per heat and R rounds whose fields hold `typed`, round 1 first.
    static GridsDialog typed(int n, const std::vector<std::string>& fields) {
        GridsDialog d;
        d.category = 1;
        d.driversPerHeat = n;
        d.rounds = int(fields.size());
        for (std::size_t r = 0; r < fields.size(); ++r)
            d.fields[r] = fields[r];
        return d;
    }
    static std::string field(const GridsDialog& d, int round) {
        return std::string(d.fields[std::size_t(round - 1)].view());
    }
};

TEST_F(GridRules, lettersNameTheHeatsDriversInCompositionOrder) {
    EXPECT_EQ(gridLetterValue('A', 4), 1);
    EXPECT_EQ(gridLetterValue('D', 4), 4);
    EXPECT_EQ(gridLetterValue('E', 4), 0) << "past the N-th letter";
    EXPECT_EQ(gridLetterValue('a', 4), 0);
    EXPECT_EQ(gridLetterValue('1', 4), 0);
    EXPECT_EQ(gridLetterValue(' ', 4), 0);
    EXPECT_EQ(gridLetterValue('T', 20), 20);
    EXPECT_EQ(gridLetterValue('U', 20), 0);

    EXPECT_EQ(std::string(gridText({3, 1, 2, 4}, 4).view()), "CABD");
    EXPECT_EQ(std::string(gridText(defaultGrid(20), 20).view()), "ABCDEFGHIJKLMNOPQRST");
    const RoundGrid grid = gridOfText("CAbD", 4);
    EXPECT_EQ(grid[0], 3);
    EXPECT_EQ(grid[1], 1);
    EXPECT_EQ(grid[2], 0);
    EXPECT_EQ(grid[3], 4);
    EXPECT_EQ(limitedGridField("ABCDE", 3), "ABC");
    EXPECT_EQ(limitedGridField("AB", 3), "AB");
}

TEST_F(GridRules, aGridThatRepeatsALetterIsRefused) {
    const GridCheck check = checkGrids(typed(3, {"ABC", "ABA"}));
    EXPECT_FALSE(check.valid());
    EXPECT_EQ(test::utf8(check.duplicates), "Il y a des doublons");
    EXPECT_TRUE(check.incomplete.empty());
    EXPECT_TRUE(check.letters.empty());
}

TEST_F(GridRules, aLetterPastTheHeatsDriversIsRefusedNamingTheLastOne) {
    const GridCheck check = checkGrids(typed(3, {"ABC", "ABD"}));
    EXPECT_EQ(test::utf8(check.letters), "Les lettres doivent être comprises entre A et C");
    EXPECT_TRUE(check.duplicates.empty());
    EXPECT_TRUE(check.incomplete.empty());
}

TEST_F(GridRules, shortGridsBlanksAndSmallLettersAreRefused) {
    EXPECT_EQ(test::utf8(checkGrids(typed(3, {"ABC", "CB"})).incomplete),
              "Certaines grilles sont incomplètes");
    EXPECT_FALSE(checkGrids(typed(3, {"ABC", "C B"})).letters.empty()) << "a blank is no letter";
    EXPECT_FALSE(checkGrids(typed(3, {"ABC", "cba"})).letters.empty());
    EXPECT_TRUE(checkGrids(typed(3, {"ABC", "cca"})).duplicates.empty())
        << "what names no driver is not a repeated driver";
    EXPECT_TRUE(checkGrids(typed(3, {"ABC", "CAB", "BCA"})).valid());
    EXPECT_TRUE(checkGrids(typed(3, {"AB"})).valid()) << "the first round is never checked";
}

TEST_F(GridRules, everyFailureShowsInOneMessageAndNothingIsWritten) {
    makeRace(drivers(6), 3, 3);
    const std::string before = t.folder.read(kWorkingRaceFile);
    EXPECT_FALSE(validateGrids(p, typed(3, {"ABC", "ABA", "AD"})));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0], "Erreur: la saisie n'est pas valide !\n\n"
                             "    Certaines grilles sont incomplètes\n"
                             "    Les lettres doivent être comprises entre A et C\n"
                             "    Il y a des doublons");
    EXPECT_EQ(t.dialogs.messages[0].caption, "Erreur");
    EXPECT_EQ(t.folder.read(kWorkingRaceFile), before);

    t.dialogs.messages.clear();
    EXPECT_FALSE(validateGrids(p, typed(3, {"ABC", "ABA"})));
    EXPECT_EQ(messages()[0], "Erreur: la saisie n'est pas valide !\n\n    \n    \n"
                             "    Il y a des doublons");
}

TEST_F(GridRules, okWritesTheGridsOfEveryRound) {
    makeRace(drivers(6), 3, 3);
    ASSERT_TRUE(validateGrids(p, typed(3, {"ABC", "CAB", "BCA"})));
    EXPECT_TRUE(messages().empty());
    const StartingGrids grids = fileGrids();
    EXPECT_EQ(grids.driversPerHeat, 3);
    EXPECT_EQ(grids.rounds, 3);
    EXPECT_EQ(roundGrid(grids, 3, 2), (RoundGrid{3, 1, 2}));
    EXPECT_EQ(roundGrid(grids, 3, 3), (RoundGrid{2, 3, 1}));
}

TEST_F(GridRules, openingShowsTheStoredGridsOfTheSameComposition) {
    makeRace(drivers(8), 4, 2);
    useStartingOrder(StartingOrder::Editable);
    StartingGrids stored = defaultStartingGrids(0, 4, 2);
    stored.grids[1] = {4, 3, 2, 1};
    storeGrids(stored);
    const GridsDialog d = openGridsDialog(p, 1);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(d.storedMatch);
    EXPECT_EQ(field(d, 1), "ABCD");
    EXPECT_EQ(field(d, 2), "DCBA");
    EXPECT_FALSE(d.readOnly);
    EXPECT_FALSE(gridFieldEditable(d, 1)) << "round 1 always starts in composition order";
    EXPECT_TRUE(gridFieldEditable(d, 2));
    EXPECT_FALSE(gridFieldShown(d, 3));
}

TEST_F(GridRules, aFixedStartingOrderOrAStartedQualifyingMakesEveryFieldReadOnly) {
    makeRace(drivers(8), 4, 2);
    EXPECT_TRUE(openGridsDialog(p, 1).readOnly) << "no parameters: the fixed order";
    useStartingOrder(StartingOrder::Editable);
    EXPECT_FALSE(openGridsDialog(p, 1).readOnly);
    setCategory(2, 2, 1);
    const GridsDialog d = openGridsDialog(p, 1);
    EXPECT_TRUE(d.readOnly);
    EXPECT_FALSE(gridFieldEditable(d, 2));
}

TEST_F(GridRules, changingTheDriversPerHeatBringsBackTheDefaultGrids) {
    makeRace(drivers(8), 4, 2);
    useStartingOrder(StartingOrder::Editable);
    StartingGrids stored = defaultStartingGrids(0, 4, 2);
    stored.grids[1] = {4, 3, 2, 1};
    storeGrids(stored);

    CompositionDialog composition = openCompositionDialog(p, 1);
    setDriversPerHeat(p, composition, 3);
    ASSERT_EQ(generateComposition(p, composition), GenerateOutcome::Written);

    const GridsDialog d = openGridsDialog(p, 1);
    EXPECT_FALSE(d.storedMatch);
    EXPECT_EQ(d.driversPerHeat, 3);
    EXPECT_EQ(field(d, 1), "ABC");
    EXPECT_EQ(field(d, 2), "ABC") << "the stored DCBA no longer fits";
    closeGridsWithoutOk(p, d);
    const StartingGrids written = fileGrids();
    EXPECT_EQ(written.driversPerHeat, 3);
    EXPECT_EQ(written.rounds, 2);
    EXPECT_EQ(roundGrid(written, 3, 2), defaultGrid(3));
}

TEST_F(GridRules, closingWithoutOkKeepsGridsThatMatched) {
    makeRace(drivers(8), 4, 2);
    StartingGrids stored = defaultStartingGrids(0, 4, 2);
    stored.grids[1] = {2, 1, 4, 3};
    storeGrids(stored);
    const std::string before = t.folder.read(kWorkingRaceFile);
    closeGridsWithoutOk(p, openGridsDialog(p, 1));
    EXPECT_EQ(t.folder.read(kWorkingRaceFile), before);
}

TEST_F(GridRules, aChangeOfRoundsAloneAlsoBringsBackTheDefaults) {
    makeRace(drivers(8), 4, 3);
    StartingGrids stored = defaultStartingGrids(0, 4, 2);
    stored.grids[1] = {2, 1, 4, 3};
    storeGrids(stored);
    const GridsDialog d = openGridsDialog(p, 1);
    EXPECT_FALSE(d.storedMatch);
    EXPECT_EQ(field(d, 2), "ABCD");
    EXPECT_EQ(field(d, 3), "ABCD");
}

TEST_F(GridRules, aMissingCompositionIsReportedOnOpening) {
    makeRace(drivers(2), 10, 1, false);
    const GridsDialog d = openGridsDialog(p, 1);
    EXPECT_EQ(messages(),
              std::vector<std::string>{"Erreur: Intitulé de Répartition des qualifs non trouvé"});
    EXPECT_EQ(d.driversPerHeat, 10);
    EXPECT_EQ(d.rounds, 1);
}

} // namespace
} // namespace racedesk
