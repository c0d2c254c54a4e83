#include "core/finals/final_filling.h"
#include "core/finals/finals_structure.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace racedesk {
namespace {

StoredRun runOf(const std::vector<std::tuple<std::string, int, RaceTime, RaceTime>>& lines) {
    StoredRun run;
    run.state = kFinalStored;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& [name, laps, total, last] = lines[i];
        HeatRecordLine& line = run.cars[i];
        line.name = name;
        line.laps = laps;
        line.totalTime = total;
        line.lastLap = last;
    }
    return run;
}

std::vector<std::string> namesInOrder(const StoredRun& run) {
    std::vector<std::string> names;
    for (int i : finishingOrder(run))
        names.emplace_back(run.cars[std::size_t(i)].name.view());
    return names;
}

std::vector<std::string> fieldNames(const FinalField& field) {
    std::vector<std::string> names;
    for (const DriverName& name : field)
        names.emplace_back(name.view());
    while (!names.empty() && names.back().empty())
        names.pop_back();
    return names;
}

QualifyingOrder qualifyingOf(int count) {
    QualifyingOrder q{};
    for (int i = 0; i < count; ++i)
        q[std::size_t(i)] = "Q" + std::to_string(i);
    return q;
}

TEST(FinishingOrder, lapsThenTotalThenLastLapAndCompleteTiesLaterFirst) {
    const StoredRun run = runOf({{"slow", 5, 60'000, 12'000},
                                 {"fast", 6, 61'000, 10'000},
                                 {"tieEarly", 5, 59'000, 11'000},
                                 {"tieLate", 5, 59'000, 11'000},
                                 {"lastLap", 5, 59'000, 10'500},
                                 {"noLaps", 0, 0, 0}});
    const std::vector<std::string> names = namesInOrder(run);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 7),
              (std::vector<std::string>{"fast", "lastLap", "tieLate", "tieEarly", "slow", "noLaps",
                                        "(NA)"}));
}

TEST(FinishingOrder, aDriverWithoutLapsComesBeforeTheEmptySlotsAfterHim) {
    const StoredRun run = runOf({{"(NA)", 0, kNoTime, 0}, {"started", 0, 0, 0}});
    EXPECT_EQ(namesInOrder(run)[0], "started");
}

struct FinalFilling : ::testing::Test {
    FinalsComposition c = defaultFinalsComposition(40); // N = 10, up 5, 3, 3, 3: 3 levels
    QualifyingOrder q = qualifyingOf(40);
    StoredRun a = runOf({{"a1", 9, 1, 0},
                         {"a2", 8, 1, 0},
                         {"a3", 7, 1, 0},
                         {"a4", 6, 1, 0},
                         {"a5", 5, 1, 0},
                         {"a6", 4, 1, 0}});
    StoredRun b = runOf({{"b3", 7, 1, 0},
                         {"b1", 9, 1, 0},
                         {"b2", 8, 1, 0},
                         {"b4", 6, 1, 0},
                         {"b5", 5, 1, 0},
                         {"b6", 4, 1, 0}});
    void SetUp() override { deriveDirectCounts(c); }
};

TEST_F(FinalFilling, theFinalWithoutDirectPlacesTakesTheHalfFinalsBestInTurn) {
    EXPECT_EQ(
        fieldNames(fillFinal(c, 3, 0, q, {&a, &b})),
        (std::vector<std::string>{"a1", "b1", "a2", "b2", "a3", "b3", "a4", "b4", "a5", "b5"}));
}

TEST_F(FinalFilling, theFinalTakesItsDirectQualifiersFirstAndLeavesAnUnrunFeedersPlacesEmpty) {
    c.movingUp[0] = 2; // 6 direct places, then 2 from each 1/2 final
    deriveDirectCounts(c);
    EXPECT_EQ(fieldNames(fillFinal(c, 3, 0, q, {&a, nullptr})),
              (std::vector<std::string>{"Q0", "Q1", "Q2", "Q3", "Q4", "Q5", "a1", "", "a2"}));
}

TEST_F(FinalFilling, aAndBFinalsShareTheirLevelsQualifiersEverySecondPlaceThenTakeTheirFeeder) {
    // The 1/4 finals: S = 0 + 14, E = 28.
    EXPECT_EQ(fieldNames(fillFinal(c, 3, 3, q, {&a, nullptr})),
              (std::vector<std::string>{"Q14", "Q16", "Q18", "Q20", "Q22", "Q24", "Q26", "a1", "a2",
                                        "a3"}));
    EXPECT_EQ(fieldNames(fillFinal(c, 3, 4, q, {&b, nullptr})),
              (std::vector<std::string>{"Q15", "Q17", "Q19", "Q21", "Q23", "Q25", "Q27", "b1", "b2",
                                        "b3"}));
    // The 1/8 finals, the deepest: what remains of the forty, nobody from below.
    EXPECT_EQ(fieldNames(fillFinal(c, 3, 5, q, {&a, nullptr})),
              (std::vector<std::string>{"Q28", "Q30", "Q32", "Q34", "Q36", "Q38"}));
    EXPECT_EQ(fieldNames(fillFinal(c, 3, 6, q, {})),
              (std::vector<std::string>{"Q29", "Q31", "Q33", "Q35", "Q37", "Q39"}));
}

TEST_F(FinalFilling, anUnrunFeederLeavesItsPlacesEmptyAfterTheQualifiers) {
    const FinalField field = fillFinal(c, 3, 1, q, {});
    EXPECT_EQ(fieldNames(field),
              (std::vector<std::string>{"Q0", "Q2", "Q4", "Q6", "Q8", "Q10", "Q12"}));
}

TEST_F(FinalFilling, withTheFinalistsWithinItsDirectPlacesTheFinalAloneTakesTheFirstP) {
    c.participants = 4;
    c.movingUp[0] = 0;
    deriveDirectCounts(c);
    ASSERT_EQ(finalsStructure(c).levels, 0);
    EXPECT_EQ(fieldNames(fillFinal(c, 0, 0, q, {&a, &b})),
              (std::vector<std::string>{"Q0", "Q1", "Q2", "Q3"}));
}

} // namespace
} // namespace racedesk
