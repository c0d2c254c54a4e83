#include "core/qualifying/classification_storage.h"

#include "classification_race.h"
#include "core/qualifying/round_classification.h"
#include "core/race/race_file_layout.h"
#include "core/race/section_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace racedesk {
namespace {

using test::kCat;
using Names = std::vector<std::string>;

class ClassificationStorage : public test::ClassificationRace {
protected:
    std::unique_ptr<RoundClassificationState> openRound(int round) {
        auto state = std::make_unique<RoundClassificationState>();
        EXPECT_TRUE(openRoundClassification(t.program, 1, round, *state));
        return state;
    }
    std::unique_ptr<OverallClassificationState> openOverall() {
        auto state = std::make_unique<OverallClassificationState>();
        EXPECT_TRUE(openOverallClassification(t.program, 1, *state));
        return state;
    }
    static Names overallOrder(const OverallClassificationState& s) {
        Names names;
        for (int i = 0; i < s.standing.count; ++i)
            names.emplace_back(s.standing.entries[std::size_t(i)].name.view());
        return names;
    }
};

TEST_F(ClassificationStorage, aRoundListsTheDriversOfItsStoredHeatsRankedWithTheirPoints) {
    makeRace({"Alice", "Bob", "Chloe", "Dan", "Eve"}, 3, 2, 2);
    storeHeat(1, 1, {{"Alice", 10, 300000, 25000}, {"Bob", 11, 305000, 26000}, {"Chloe"}}, 3);
    storeHeat(2, 1, {{"Dan", 14, 300000, 20000}}, 3);
    const auto state = openRound(1);
    const RoundClassification& c = state->classification;
    EXPECT_EQ(test::namesOf(c, 4), (Names{"Bob", "Alice", "Chloe", ""}));
    EXPECT_EQ(test::pointsOf(c, 4), (std::vector<int>{10, 8, 0, 0}));
    EXPECT_EQ(driversNotRun(c, state->context.entry.participants), 2) << "heat 2 not run yet";
    EXPECT_EQ(state->context.entry.name, "Buggy 1/8");
    EXPECT_EQ(state->context.track.raceName, "Grand Prix");
    EXPECT_EQ(state->context.track.circuit, "Circuit des Pins");
    EXPECT_FALSE(state->context.readOnly());
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ClassificationStorage, aRoundTakesItsLastModeAndScaleButNotItsLastDrivers) {
    makeRace({"Alice", "Bob"}, 2, 1, 1);
    {
        auto stored = test::roundOf({{"Ghost", 40, 1, 1}}, RankingMode::BestLap);
        stored->scale = {30, 2, 1, 1, 1, 1};
        SectionFile f(file());
        ASSERT_EQ(writeRoundClassification(f, 1, 1, 2, *stored), WriteStatus::Written);
    }
    storeHeat(1, 1, {{"Bob", 11, 305000, 26000}, {"Alice", 10, 300000, 25000}}, 2);
    const auto state = openRound(1);
    EXPECT_EQ(state->classification.ranking, RankingMode::BestLap);
    EXPECT_EQ(state->classification.scale.first, 30);
    EXPECT_EQ(test::namesOf(state->classification, 3), (Names{"Alice", "Bob", ""}));
    EXPECT_EQ(test::pointsOf(state->classification, 2), (std::vector<int>{30, 28}));
}

TEST_F(ClassificationStorage, aRoundWithoutCompositionSaysSoAndReadsTenDriversAHeat) {
    Names names;
    std::vector<test::Result> cars;
    for (int i = 1; i <= 11; ++i) {
        names.push_back("D" + std::to_string(i));
        cars.push_back({names.back(), 30 - i, 300000, 25000});
    }
    makeRace(names, 10, 1, 1, false);
    storeHeat(1, 1, cars, 11);
    const auto state = openRound(1);
    EXPECT_EQ(messages(), Names{"Erreur: Intitulé de Répartition des qualifs non trouvé"});
    EXPECT_EQ(state->classification.entries[9].name, "D10");
    EXPECT_TRUE(state->classification.entries[10].name.empty());
}

TEST_F(ClassificationStorage, validatingARoundWritesItsSectionAtTheEndOfTheFile) {
    makeRace({"Alice", "Bob", "Chloe"}, 3, 1, 1);
    storeHeat(1, 1, {{"Alice", 12, 300500, 24100}, {"Bob", 12, 300500, 24000}, {"Chlo\xE9"}}, 3);
    const auto state = openRound(1);
    const std::string before = bytes();
    EXPECT_TRUE(confirmRoundClassification(t.program, *state));
    const std::string content = "CLASSEMENTToursTemps\t8\t2\t1\t1\t1\t1\t\r\n"
                                "Bob\t12\t300500\t24000\t8\t\r\n"
                                "Alice\t12\t300500\t24100\t8\t\r\n"
                                "Chlo\xE9\t0\t0\t0\t0\t\r\n";
    // 35 · 3 + 24 units.
    EXPECT_EQ(bytes(),
              before + test::sectionBytes(kCat + "1M1Classement", test::areaBytes(129, content)));
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ClassificationStorage, aRoundIsNotStoredBeforeAnyHeatOrOnceAFinalHasResults) {
    makeRace({"Alice"}, 1, 1, 1);
    storeHeat(1, 1, {{"Alice", 3, 90000, 29000}}, 1);
    setCategoryState(0, 0);
    auto state = openRound(1);
    std::string before = bytes();
    EXPECT_FALSE(confirmRoundClassification(t.program, *state));
    EXPECT_EQ(bytes(), before);

    setCategoryState(1, 2);
    state = openRound(1);
    EXPECT_TRUE(state->context.readOnly());
    before = bytes();
    EXPECT_FALSE(confirmRoundClassification(t.program, *state));
    EXPECT_EQ(bytes(), before);
}

TEST_F(ClassificationStorage, theOverallAddsTheStoredRoundsOfTheCategoryInItsLastMode) {
    makeRace({"Alice", "Bob", "Chloe"}, 3, 2, 1);
    storeRound(1, {{"Alice", 8, 12, 300000, 25000}, {"Bob", 6, 11, 290000, 24500}}, 3);
    storeRound(2, {{"Bob", 8, 12, 301000, 24000}, {"Alice", 6, 12, 302000, 26000}}, 3);
    storeRound(3, {{"Chloe", 50, 20, 300000, 20000}}, 3); // beyond the category's rounds
    {
        auto stored = std::make_unique<OverallClassification>();
        stored->bestRounds = 2;
        stored->tieBreak = RankingMode::BestLap;
        SectionFile f(file());
        ASSERT_EQ(writeOverallClassification(f, 1, 3, *stored), WriteStatus::Written);
    }
    const auto state = openOverall();
    const OverallStanding& s = state->standing;
    EXPECT_EQ(s.bestRounds, 2);
    EXPECT_EQ(s.tieBreak, RankingMode::BestLap);
    EXPECT_EQ(overallOrder(*state), (Names{"Bob", "Alice", "Chloe"}));
    EXPECT_EQ(s.entries[0].totalPoints, 14);
    EXPECT_EQ(s.entries[1].totalPoints, 14);
    EXPECT_EQ(s.entries[2].totalPoints, 0);
    EXPECT_EQ(driversWithoutResults(s, 3), 1);
}

TEST_F(ClassificationStorage, validatingTheOverallOpensTheFinalsAndStoresTheOrder) {
    makeRace({"Alice", "Bob", "Chloe"}, 3, 1, 1);
    storeRound(1, {{"Bob", 8, 12, 301000, 24000}, {"Alice", 6, 12, 302000, 26000}}, 3);
    auto state = openOverall();
    setBestRounds(state->standing, 2);
    setTieBreak(state->standing, RankingMode::BestLap);
    const std::string before = bytes();
    EXPECT_TRUE(confirmOverallClassification(t.program, *state));

    std::string expected = before;
    const std::string categoryBefore = "Buggy 1/8\t3\t1\t0\t";
    ASSERT_NE(expected.find(categoryBefore), std::string::npos);
    expected.replace(expected.find(categoryBefore), categoryBefore.size(), "Buggy 1/8\t3\t1\t1\t");
    // 22 · 3 + 15 units.
    expected += test::sectionBytes(
        kCat + "1ClassementFinalQualifs",
        test::areaBytes(81, "CLASSEMENTMeilleurTour\t2\t\r\nBob\t\r\nAlice\t\r\nChloe\t\r\n"));
    EXPECT_EQ(bytes(), expected);
    EXPECT_EQ(t.program.header.categories[0].finalsState, 1);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ClassificationStorage, theOverallIsNotStoredBeforeAnyHeatOrOnceAFinalHasResults) {
    makeRace({"Alice"}, 1, 1, 1);
    storeRound(1, {{"Alice", 6, 3, 90000, 29000}}, 1);
    for (const int started : {0, 1}) {
        setCategoryState(started, started == 0 ? 0 : 2);
        const auto state = openOverall();
        EXPECT_EQ(state->context.readOnly(), started == 1);
        const std::string before = bytes();
        EXPECT_FALSE(confirmOverallClassification(t.program, *state));
        EXPECT_EQ(bytes(), before);
        EXPECT_EQ(fileHeader().categories[0].finalsState, started == 0 ? 0 : 2);
    }
}

TEST_F(ClassificationStorage, neitherOpensWithoutTheWorkingRaceFile) {
    makeRace({"Alice"}, 1, 1, 1);
    std::filesystem::remove(file());
    auto round = std::make_unique<RoundClassificationState>();
    EXPECT_FALSE(openRoundClassification(t.program, 1, 1, *round));
    auto overall = std::make_unique<OverallClassificationState>();
    EXPECT_FALSE(openOverallClassification(t.program, 1, *overall));
    EXPECT_EQ(messages(), (Names{"Erreur: impossible d'ouvrir le fichier Course",
                                 "Erreur: impossible d'ouvrir le fichier Course"}));
}

} // namespace
} // namespace racedesk
