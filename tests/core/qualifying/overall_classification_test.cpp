#include "core/qualifying/overall_classification.h"

#include "classification_entries.h"

#include <gtest/gtest.h>

#include <memory>

namespace racedesk {
namespace {

using Names = std::vector<std::string>;

// A driver's line in a stored round classification.
struct Line {
    std::string name;
    int points = 0;
    int laps = 0;
    RaceTime total = 0;
    RaceTime best = 0;
};

class OverallTest : public ::testing::Test {
protected:
    // The participants list with these names in this order; a name "" leaves a free place.
    void participants(const Names& names) {
        auto table = std::make_unique<ParticipantTable>();
        for (std::size_t i = 0; i < names.size(); ++i)
            (*table)[i].name = names[i];
        startStanding(*standing, *table);
    }

    void round(int number, const std::vector<Line>& lines) {
        std::vector<test::Result> results;
        for (const Line& l : lines)
            results.push_back({l.name, l.laps, l.total, l.best});
        auto stored = test::roundOf(results);
        for (std::size_t i = 0; i < lines.size(); ++i)
            stored->entries[i].points = lines[i].points;
        addRound(*standing, number, *stored, int(lines.size()));
    }

    Names order() const {
        Names names;
        for (int i = 0; i < standing->count; ++i)
            names.emplace_back(standing->entries[std::size_t(i)].name.view());
        return names;
    }

    const OverallEntry& entry(const std::string& name) const {
        for (int i = 0; i < standing->count; ++i) {
            if (standing->entries[std::size_t(i)].name == name)
                return standing->entries[std::size_t(i)];
        }
        ADD_FAILURE() << "no participant " << name;
        return standing->entries[0];
    }

    std::unique_ptr<OverallStanding> standing = std::make_unique<OverallStanding>();
};

TEST_F(OverallTest, totalsAddTheNBestRoundsAndRoundsNotRunCountAsZero) {
    participants({"Alice", "Bob"});
    round(1, {{"Alice", 10}, {"Bob", 8}});
    round(2, {{"Alice", 6}, {"Bob", 9}});
    standing->bestRounds = 3;
    classify(*standing);
    EXPECT_EQ(entry("Alice").totalPoints, 16);
    EXPECT_EQ(entry("Bob").totalPoints, 17);
    EXPECT_EQ(order(), (Names{"Bob", "Alice"}));

    setBestRounds(*standing, 1);
    EXPECT_EQ(entry("Alice").totalPoints, 10);
    EXPECT_EQ(entry("Bob").totalPoints, 9);
    EXPECT_EQ(order(), (Names{"Alice", "Bob"}));

    setBestRounds(*standing, 0);
    EXPECT_EQ(entry("Bob").totalPoints, 0);
    EXPECT_EQ(order(), (Names{"Alice", "Bob"})) << "criterion 2 decides when no round counts";
}

TEST_F(OverallTest, eachListIsSortedWithTheRoundItCameFrom) {
    participants({"Alice"});
    round(1, {{"Alice", 5, 10, 300000, 25000}});
    round(2, {{"Alice", 5, 11, 310000, 24000}});
    round(3, {{"Alice", 7, 11, 305000, 0}});
    classify(*standing);
    const OverallEntry& a = entry("Alice");
    EXPECT_EQ(a.points[0].points, 7);
    EXPECT_EQ(a.points[0].round, 3);
    EXPECT_EQ(a.points[1].round, 2) << "equal points: the later round first";
    EXPECT_EQ(a.points[2].round, 1);
    EXPECT_EQ(a.points[3].round, 0);
    EXPECT_EQ(a.results[0].round, 3);
    EXPECT_EQ(a.results[0].totalTime, 305000);
    EXPECT_EQ(a.results[1].round, 2);
    EXPECT_EQ(a.results[2].round, 1);
    EXPECT_EQ(a.bestLaps[0].bestLap, 24000);
    EXPECT_EQ(a.bestLaps[0].round, 2);
    EXPECT_EQ(a.bestLaps[1].round, 1);
    EXPECT_NE(a.bestLaps[2].round, 3) << "a missing best lap comes after the empty rounds";
}

TEST_F(OverallTest, equalTotalsAreSplitByTheBestRoundThenTheNextOnes) {
    participants({"Bob", "Chloe", "Alice"});
    round(1, {{"Alice", 10}, {"Bob", 8}, {"Chloe", 10}});
    round(2, {{"Alice", 4}, {"Bob", 6}, {"Chloe", 3}});
    round(3, {{"Alice", 0}, {"Bob", 0}, {"Chloe", 1}});
    standing->bestRounds = 3;
    classify(*standing);
    EXPECT_EQ(entry("Alice").totalPoints, 14);
    EXPECT_EQ(entry("Bob").totalPoints, 14);
    EXPECT_EQ(entry("Chloe").totalPoints, 14);
    EXPECT_EQ(order(), (Names{"Alice", "Chloe", "Bob"}));
}

TEST_F(OverallTest, criterionFourFollowsItsModeAndChangingItResorts) {
    participants({"Alice", "Bob", "Chloe", "Dan"});
    round(1, {{"Alice", 5, 12, 300000, 24000},
              {"Bob", 5, 12, 299000, 25000},
              {"Chloe", 5, 13, 330000, 26000},
              {"Dan", 5, 12, 300000, 23500}});
    classify(*standing);
    EXPECT_EQ(order(), (Names{"Chloe", "Bob", "Dan", "Alice"}));
    setTieBreak(*standing, RankingMode::BestLap);
    EXPECT_EQ(order(), (Names{"Dan", "Alice", "Bob", "Chloe"}));
}

TEST_F(OverallTest, aMissingTimeOrBestLapRanksLastInCriterionFour) {
    participants({"NoTime", "Timed"});
    round(1, {{"NoTime", 5, 0, 0, 0}, {"Timed", 5, 0, 900000, 0}});
    classify(*standing);
    EXPECT_EQ(order(), (Names{"Timed", "NoTime"}));
    participants({"NoBest", "Best"});
    round(1, {{"NoBest", 5, 3, 90000, 0}, {"Best", 5, 3, 95000, 29000}});
    standing->tieBreak = RankingMode::BestLap;
    classify(*standing);
    EXPECT_EQ(order(), (Names{"Best", "NoBest"}));
}

TEST_F(OverallTest, participantsEqualInEveryCriterionPutTheLaterOneFirst) {
    participants({"First", "", "Second"});
    round(1, {{"First", 5, 10, 300000, 25000}, {"Second", 5, 10, 300000, 25000}});
    classify(*standing);
    EXPECT_EQ(standing->count, 2) << "free places are not participants";
    EXPECT_EQ(order(), (Names{"Second", "First"}));
}

TEST_F(OverallTest, roundLinesGoOnlyToTheParticipantOfTheSameName) {
    participants({"Alice", "Bob"});
    round(1, {{"Zed", 20}, {"", 15}, {"Bob", 9, 7, 200000, 27000}});
    classify(*standing);
    EXPECT_EQ(entry("Alice").totalPoints, 0);
    EXPECT_EQ(entry("Alice").results[0].round, 0);
    EXPECT_EQ(entry("Bob").totalPoints, 9);
    EXPECT_EQ(entry("Bob").results[0].laps, 7);
    EXPECT_EQ(entry("Bob").bestLaps[0].bestLap, 27000);
}

TEST_F(OverallTest, participantsWithoutPointsResultOrBestLapAreCounted) {
    participants({"Alice", "Bob", "Chloe"});
    round(1, {{"Alice", 3}, {"Bob", 0, 0, 0, 31000}, {"Chloe", 0, 0, 0, 0}});
    classify(*standing);
    EXPECT_TRUE(hasResults(entry("Alice")));
    EXPECT_TRUE(hasResults(entry("Bob"))) << "a best lap is a result";
    EXPECT_FALSE(hasResults(entry("Chloe")));
    EXPECT_EQ(driversWithoutResults(*standing, 3), 1);
    EXPECT_EQ(driversWithoutResults(*standing, 6), 4) << "counted against the category's P";
}

TEST_F(OverallTest, theStoredOrderIsTheNamesWithNAndTheMode) {
    participants({"Alice", "Bob"});
    round(1, {{"Alice", 1}, {"Bob", 2}});
    standing->bestRounds = 4;
    standing->tieBreak = RankingMode::BestLap;
    classify(*standing);
    const auto stored = std::make_unique<OverallClassification>(storedOrder(*standing));
    EXPECT_EQ(stored->bestRounds, 4);
    EXPECT_EQ(stored->tieBreak, RankingMode::BestLap);
    EXPECT_EQ(stored->names[0], "Bob");
    EXPECT_EQ(stored->names[1], "Alice");
    EXPECT_TRUE(stored->names[2].empty());
}

} // namespace
} // namespace racedesk
