#include "core/qualifying/qualifying_calculator.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using namespace calculator_control;

CalculatorInputs inputs(int participants, int perHeat, int rounds, int heat, int rest) {
    CalculatorInputs in;
    in.participants = participants;
    in.driversPerHeat = perHeat;
    in.rounds = rounds;
    in.heatMinutes = heat;
    in.restMinutes = rest;
    return in;
}

TEST(QualifyingCalculator, fortyFiveDriversEightPerHeatInFourRoundsTakeThreeHoursTwelve) {
    const CalculatorResults r = calculate(inputs(45, 8, 4, 5, 3));
    EXPECT_EQ(r.heatsPerRound, 6);
    EXPECT_EQ(r.runs, 24);
    EXPECT_EQ(r.totalMinutes, 192);
    EXPECT_EQ(durationText(r.totalMinutes), "3h12min");
}

TEST(QualifyingCalculator, aRemainderOfDriversMakesOneHeatMore) {
    EXPECT_EQ(calculate(inputs(17, 8, 1, 0, 0)).heatsPerRound, 3);
    EXPECT_EQ(calculate(inputs(16, 8, 1, 0, 0)).heatsPerRound, 2);
    EXPECT_EQ(calculate(inputs(1, 20, 1, 0, 0)).heatsPerRound, 1);
    EXPECT_EQ(calculate(inputs(0, 8, 3, 5, 3)).runs, 0);
}

TEST(QualifyingCalculator, noDriversPerHeatGivesNothing) {
    const CalculatorResults r = calculate(inputs(45, 0, 4, 5, 3));
    EXPECT_EQ(r.runs, 0);
    EXPECT_EQ(r.totalMinutes, 0);
    EXPECT_EQ(durationText(r.totalMinutes), "0h00min");
}

TEST(QualifyingCalculator, theLargestPlanStillAddsUp) {
    const CalculatorResults r = calculate(inputs(200, 1, 9, 120, 99));
    EXPECT_EQ(r.runs, 1800);
    EXPECT_EQ(r.totalMinutes, 1800 * 219);
    EXPECT_EQ(durationText(r.totalMinutes), "6570h00min");
    EXPECT_EQ(durationText(61), "1h01min");
    EXPECT_EQ(durationText(59), "0h59min");
}

TEST(QualifyingCalculator, typedNumbersAreHeldToTheirFields) {
    CalculatorInputs in;
    EXPECT_TRUE(typeCalculatorNumber(in, kParticipants, "250").showValue);
    EXPECT_EQ(in.participants, 200);
    EXPECT_FALSE(typeCalculatorNumber(in, kParticipants, "200").showValue);
    typeCalculatorNumber(in, kParticipants, "4567");
    EXPECT_EQ(in.participants, 200) << "three characters at most, then the limit";

    EXPECT_TRUE(typeCalculatorNumber(in, kDriversPerHeat, "25").showValue);
    EXPECT_EQ(in.driversPerHeat, 20);
    EXPECT_FALSE(typeCalculatorNumber(in, kDriversPerHeat, "0").showValue);
    EXPECT_EQ(in.driversPerHeat, 0) << "0 is accepted: the results are then 0";

    typeCalculatorNumber(in, kRounds, "12");
    EXPECT_EQ(in.rounds, 1) << "one character";
    typeCalculatorNumber(in, kRounds, "9");
    EXPECT_EQ(in.rounds, 9);

    EXPECT_TRUE(typeCalculatorNumber(in, kHeatMinutes, "121").showValue);
    EXPECT_EQ(in.heatMinutes, 120);
    typeCalculatorNumber(in, kRestMinutes, "99");
    EXPECT_EQ(in.restMinutes, 99);
    typeCalculatorNumber(in, kRestMinutes, "123");
    EXPECT_EQ(in.restMinutes, 12);

    EXPECT_EQ(calculatorNumberOf(in, kHeatMinutes), 120);
    EXPECT_EQ(calculatorFieldOf(kCategory), nullptr);
    EXPECT_FALSE(typeCalculatorNumber(in, kTotalRuns, "7").showValue);
}

TEST(QualifyingCalculator, startsEmptyAndTheCategoryNameIsCutToItsField) {
    CalculatorInputs in;
    EXPECT_TRUE(in.category.empty());
    EXPECT_EQ(calculate(in).runs, 0);
    in.category = std::string(60, 'x');
    EXPECT_EQ(in.category.size(), 53u);
}

} // namespace
} // namespace racedesk
