#include "core/finals/finals_structure.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using namespace composition_control;

FinalsComposition typed(int participants, int drivers, std::array<int, 4> movingUp,
                        int maxParticipants = 200) {
    FinalsComposition c = defaultFinalsComposition(maxParticipants);
    typeCompositionNumber(c, kParticipants, std::to_string(participants), maxParticipants);
    typeCompositionNumber(c, kDriversPerFinal, std::to_string(drivers), maxParticipants);
    for (std::size_t row = 0; row < movingUp.size(); ++row)
        typeCompositionNumber(c, kMovingUp[row], std::to_string(movingUp[row]), maxParticipants);
    return c;
}

TEST(FinalsStructure, fortyFinalistsInFinalsOfTenMakeThreeLevelsSevenFinalsAndThreeHours) {
    const FinalsComposition c = typed(40, 10, {5, 3, 3, 3});
    EXPECT_EQ(c.direct, (std::array<int, 5>{0, 14, 14, 14, 14}));
    const FinalsStructure s = finalsStructure(c);
    ASSERT_TRUE(s.valid);
    EXPECT_EQ(s.levels, 3);
    EXPECT_EQ(s.finals, 7);
    EXPECT_EQ(s.totalMinutes, 180);
    EXPECT_EQ(test::utf8(firstLevelText(s)), "1/8eme de finales");
    EXPECT_EQ(totalDurationText(s), "3h00min");
    EXPECT_TRUE(canGenerate(c));
}

TEST(FinalsStructure, eachLevelAddsTwoRunsWithTheirRestsAndNamesTheFirstLevel) {
    // 28 reach the 1/4 finals, 14 the 1/2 finals, 0 only the Final with 10 direct places.
    FinalsComposition c = typed(28, 10, {5, 3, 3, 3});
    FinalsStructure s = finalsStructure(c);
    EXPECT_EQ(s.levels, 2);
    EXPECT_EQ(s.totalMinutes, 30 + 2 * (20 + 15 + 15 + 10));
    EXPECT_EQ(test::utf8(firstLevelText(s)), "1/4 finales");
    c = typed(14, 10, {5, 3, 3, 3});
    s = finalsStructure(c);
    EXPECT_EQ(s.levels, 1);
    EXPECT_EQ(test::utf8(firstLevelText(s)), "1/2 finales");
    // Without drivers moving up the Final holds all ten: P up to 10 is the Final alone.
    c = typed(10, 10, {0, 3, 3, 3});
    s = finalsStructure(c);
    EXPECT_EQ(s.levels, 0);
    EXPECT_EQ(s.finals, 1);
    EXPECT_EQ(s.totalMinutes, 30);
    EXPECT_EQ(test::utf8(firstLevelText(s)), "Finale");
    // Levels from 1/16 on share the last row: 6 more a level with N = 4 and 1 moving up.
    c = typed(100, 4, {2, 1, 1, 1});
    s = finalsStructure(c);
    EXPECT_EQ(c.direct, (std::array<int, 5>{0, 6, 6, 6, 6}));
    EXPECT_FALSE(s.valid) << "eleven levels of six hold 66";
    c = typed(60, 4, {2, 1, 1, 1});
    s = finalsStructure(c);
    EXPECT_TRUE(s.valid);
    EXPECT_EQ(s.levels, 10);
    EXPECT_EQ(test::utf8(firstLevelText(s)), "1/1024eme de finales");
}

TEST(FinalsStructure, twoHundredInFinalsOfFourGoDeeperThanTheLastLevelAndCannotBeGenerated) {
    // The count up to the Final is held at N / 2 = 2: typing 3 stores 2.
    const FinalsComposition c = typed(200, 4, {3, 3, 3, 3});
    EXPECT_EQ(c.movingUp, (std::array<int, 4>{2, 3, 3, 3}));
    const FinalsStructure s = finalsStructure(c);
    EXPECT_FALSE(s.valid);
    EXPECT_EQ(s.finals, 0);
    EXPECT_EQ(test::utf8(firstLevelText(s)), "Erreur: >1/2048eme f");
    EXPECT_FALSE(canGenerate(c));
}

TEST(FinalsComposition, movingUpCountsAreHeldWithinTheirLimitsAndFollowTheDriversPerFinal) {
    FinalsComposition c = defaultFinalsComposition(40);
    const TypedNumber up = typeCompositionNumber(c, kMovingUp[0], "7", 40);
    EXPECT_EQ(up.value, 5);
    EXPECT_TRUE(up.showValue);
    EXPECT_EQ(compositionNumberOf(c, kMovingUp[0]), 5);
    EXPECT_EQ(compositionNumberOf(c, kDirect[0]), 0);
    for (int row = 1; row < 4; ++row)
        typeCompositionNumber(c, kMovingUp[std::size_t(row)], "6", 40);
    typeCompositionNumber(c, kDriversPerFinal, "4", 40);
    EXPECT_EQ(c.movingUp, (std::array<int, 4>{2, 4, 4, 4}));
    EXPECT_EQ(c.direct, (std::array<int, 5>{0, 0, 0, 0, 0}));
    // More participants than the category has, more than 20 per final, more than 150 minutes.
    EXPECT_EQ(typeCompositionNumber(c, kParticipants, "55", 40).value, 40);
    EXPECT_EQ(typeCompositionNumber(c, kDriversPerFinal, "25", 40).value, 20);
    EXPECT_EQ(typeCompositionNumber(c, kDuration[2], "999", 40).value, 150);
    EXPECT_EQ(compositionFieldOf(c, kRest[0], 40)->digits, 2);
    EXPECT_FALSE(compositionFieldOf(c, kDirect[1], 40).has_value());
}

TEST(FinalsComposition, aDurationOfZeroCountsZeroButIsStoredAsOneMinute) {
    FinalsComposition c = typed(10, 10, {0, 3, 3, 3});
    typeCompositionNumber(c, kDuration[0], "0", 200);
    EXPECT_EQ(finalsStructure(c).totalMinutes, 0);
    EXPECT_EQ(storedComposition(c).durations[0], 1);
    EXPECT_EQ(storedComposition(c).durations[1], 20);
}

TEST(FinalsComposition, onlyTheCountsFreezeOnceAFinalHasResults) {
    for (int id : {kParticipants, kDriversPerFinal, kMovingUp[0], kMovingUp[3]})
        EXPECT_TRUE(frozenControl(id)) << id;
    for (int id : {kDuration[0], kDuration[4], kRest[0], kRest[3]})
        EXPECT_FALSE(frozenControl(id)) << id;
}

} // namespace
} // namespace racedesk
