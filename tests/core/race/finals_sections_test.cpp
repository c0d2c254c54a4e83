#include "core/race/finals_sections.h"
#include "section_test_support.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::kCat;

const std::string kFinals = "Remont\xE9"
                            "es";

class FinalsSectionsTest : public test::NewRaceFileTest {};

TEST_F(FinalsSectionsTest, parametersAreTwoKeywordsAndTheCountdown) {
    FinalsParameters p;
    p.start = StartMode::Staggered;
    p.endOfTime = EndOfTime::FinishLap;
    p.countdownSeconds = 10;
    {
        SectionFile file(path());
        ASSERT_EQ(writeFinalsParameters(file, 1, p), WriteStatus::Written);
    }
    EXPECT_EQ(read(), withSection(kCat + "1" + kFinals + "Param\xE8tres", 28,
                                  "DEPARTDecale\tFINTEMPSFinirTour\t10\t\r\n"));
    SectionFile file(path());
    FinalsParameters back;
    ASSERT_TRUE(readFinalsParameters(file, 1, back));
    EXPECT_EQ(back.start, StartMode::Staggered);
    EXPECT_EQ(back.endOfTime, EndOfTime::FinishLap);
    EXPECT_EQ(back.countdownSeconds, 10);
}

TEST_F(FinalsSectionsTest, missingParametersGiveTheDefaults) {
    SectionFile file(path());
    FinalsParameters p;
    p.countdownSeconds = 99;
    p.start = StartMode::FirstCar;
    EXPECT_FALSE(readFinalsParameters(file, 1, p));
    EXPECT_EQ(p.start, StartMode::Signal);
    EXPECT_EQ(p.endOfTime, EndOfTime::FinishLap);
    EXPECT_EQ(p.countdownSeconds, 5);
    EXPECT_EQ(parseFinalsParameters("DEPARTX\tFINTEMPSSignalSonore\t4000\t").countdownSeconds,
              3600);
}

TEST_F(FinalsSectionsTest, compositionIsTwentyIntegersInTheirGroups) {
    FinalsComposition c = defaultFinalsComposition(40);
    c.durations[1] = 25;
    c.rests[3] = 7;
    {
        SectionFile file(path());
        ASSERT_EQ(writeFinalsComposition(file, 1, c), WriteStatus::Written);
    }
    EXPECT_EQ(read(), withSection(kCat + "1R\xE9partition" + kFinals, 40,
                                  "40\t10\t"             // P, F
                                  "30\t25\t15\t10\t10\t" // durations
                                  "15\t10\t5\t7\t"       // rests
                                  "0\t14\t14\t14\t14\t"  // direct qualifiers
                                  "5\t3\t3\t3\t\r\n"));  // moving up
    SectionFile file(path());
    FinalsComposition back;
    ASSERT_TRUE(readFinalsComposition(file, 1, 12, back));
    EXPECT_EQ(back.participants, 40);
    EXPECT_EQ(back.durations, c.durations);
    EXPECT_EQ(back.rests, c.rests);
    EXPECT_EQ(back.direct, c.direct);
    EXPECT_EQ(back.movingUp, c.movingUp);
}

TEST_F(FinalsSectionsTest, missingCompositionPutsEveryParticipantInTheFinals) {
    SectionFile file(path());
    FinalsComposition c;
    EXPECT_FALSE(readFinalsComposition(file, 1, 37, c));
    EXPECT_EQ(c.participants, 37);
    EXPECT_EQ(c.driversPerFinal, 10);
    EXPECT_EQ(c.durations, (std::array<int, 5>{30, 20, 15, 10, 10}));
    EXPECT_EQ(c.rests, (std::array<int, 4>{15, 10, 5, 5}));
    EXPECT_EQ(c.movingUp, (std::array<int, 4>{5, 3, 3, 3}));
    // The direct counts of the defaults: F - 2 x up into the Final, then 2 x (F - up into the
    // level) for the others.
    const int f = c.driversPerFinal;
    EXPECT_EQ(c.direct, (std::array<int, 5>{f - 2 * c.movingUp[0], 2 * (f - c.movingUp[1]),
                                            2 * (f - c.movingUp[2]), 2 * (f - c.movingUp[3]),
                                            2 * (f - c.movingUp[3])}));
}

TEST(FinalsSections, damagedCompositionIsReadWithinItsFields) {
    const FinalsComposition c = parseFinalsComposition("900\t0\t"           // P, F
                                                       "0\t999\t\t-1\t5\t"  // durations
                                                       "100\t-3\t\t7\t"     // rests
                                                       "\t77\t14\t14\t-5\t" // direct
                                                       "3\t3\t3\t50\t\r\n", // moving up
                                                       20);
    EXPECT_EQ(c.participants, 200);
    EXPECT_EQ(c.driversPerFinal, 1);
    // An empty field keeps its default.
    EXPECT_EQ(c.durations, (std::array<int, 5>{1, 150, 15, 1, 5}));
    EXPECT_EQ(c.rests, (std::array<int, 4>{99, 0, 5, 7}));
    EXPECT_EQ(c.direct, (std::array<int, 5>{0, 40, 14, 14, 0}));
    EXPECT_EQ(c.movingUp, (std::array<int, 4>{3, 3, 3, 20}));
    EXPECT_EQ(defaultFinalsComposition(250).participants, 200);
}

} // namespace
} // namespace racedesk
