#include "core/race/classification_sections.h"
#include "section_test_support.h"

#include <gtest/gtest.h>
#include <memory>

namespace racedesk {
namespace {

using test::kCat;

RoundEntry entry(std::string_view name, int laps, RaceTime total, RaceTime best, int points) {
    RoundEntry e;
    e.name = name;
    e.laps = laps;
    e.totalTime = total;
    e.bestLap = best;
    e.points = points;
    return e;
}

class ClassificationSectionsTest : public test::NewRaceFileTest {};

TEST_F(ClassificationSectionsTest, roundClassificationIsTheScaleThenOneLinePerParticipant) {
    auto round = std::make_unique<RoundClassification>(defaultRoundClassification(3));
    round->entries[0] = entry("Alice", 12, 300500, 24100, 8);
    round->entries[1] = entry("", 0, 0, 0, 0); // a place whose driver did not run
    round->entries[2] = entry("Chlo\xE9", 11, 301000, 0, 5);
    round->entries[3] = entry("Beyond P", 1, 1, 1, 1);
    {
        SectionFile file(path());
        ASSERT_EQ(writeRoundClassification(file, 1, 2, 3, *round), WriteStatus::Written);
    }
    const std::string content = "CLASSEMENTToursTemps\t8\t2\t1\t1\t1\t1\t\r\n"
                                "Alice\t12\t300500\t24100\t8\t\r\n"
                                "\t0\t0\t0\t0\t\r\n"
                                "Chlo\xE9\t11\t301000\t0\t5\t\r\n";
    // 35 · 3 + 24 units.
    EXPECT_EQ(read(), withSection(kCat + "1M2Classement", 129, content));

    SectionFile file(path());
    auto back = std::make_unique<RoundClassification>();
    ASSERT_TRUE(readRoundClassification(file, 1, 2, 3, *back));
    EXPECT_EQ(back->ranking, RankingMode::LapsThenTime);
    EXPECT_EQ(back->scale.first, 8);
    EXPECT_EQ(back->scale.gapFirstSecond, 2);
    EXPECT_EQ(back->entries[0].name, "Alice");
    EXPECT_EQ(back->entries[0].totalTime, 300500);
    EXPECT_EQ(back->entries[0].points, 8);
    EXPECT_TRUE(back->entries[1].name.empty());
    EXPECT_EQ(back->entries[2].laps, 11);
    EXPECT_TRUE(back->entries[3].name.empty()); // only P lines are read
}

TEST_F(ClassificationSectionsTest, missingRoundClassificationGivesTheDefaultScaleForP) {
    SectionFile file(path());
    auto round = std::make_unique<RoundClassification>();
    round->ranking = RankingMode::BestLap;
    EXPECT_FALSE(readRoundClassification(file, 1, 1, 10, *round));
    EXPECT_EQ(round->ranking, RankingMode::LapsThenTime);
    EXPECT_EQ(round->scale.first, 15);
    EXPECT_EQ(round->scale.gapFirstSecond, 2);
    EXPECT_EQ(round->scale.gapSecondThird, 1);
    EXPECT_EQ(round->scale.gapThirdFourth, 1);
    EXPECT_EQ(round->scale.gapFourthFifth, 1);
    EXPECT_EQ(round->scale.gapFurther, 1);
}

TEST_F(ClassificationSectionsTest, overallClassificationIsTheModeThenTheNames) {
    auto overall = std::make_unique<OverallClassification>();
    overall->tieBreak = RankingMode::BestLap;
    overall->bestRounds = 3;
    overall->names[0] = "Chlo\xE9";
    overall->names[1] = "Alice";
    {
        SectionFile file(path());
        ASSERT_EQ(writeOverallClassification(file, 2, 2, *overall), WriteStatus::Written);
    }
    // 22 · 2 + 15 units.
    EXPECT_EQ(read(), withSection(kCat + "2ClassementFinalQualifs", 59,
                                  "CLASSEMENTMeilleurTour\t3\t\r\nChlo\xE9\t\r\nAlice\t\r\n"));

    SectionFile file(path());
    auto back = std::make_unique<OverallClassification>();
    ASSERT_TRUE(readOverallClassification(file, 2, 2, *back));
    EXPECT_EQ(back->tieBreak, RankingMode::BestLap);
    EXPECT_EQ(back->bestRounds, 3);
    EXPECT_EQ(back->names[0], "Chlo\xE9");
    EXPECT_EQ(back->names[1], "Alice");
    EXPECT_EQ(file.body(kCat + "2ClassementFinalQualifs")->size(), 2u * 59 + 2);
}

TEST_F(ClassificationSectionsTest, missingOverallClassificationGivesItsDefaults) {
    SectionFile file(path());
    auto overall = std::make_unique<OverallClassification>();
    overall->bestRounds = 7;
    overall->names[0] = "stale";
    EXPECT_FALSE(readOverallClassification(file, 1, 5, *overall));
    EXPECT_EQ(overall->tieBreak, RankingMode::LapsThenTime);
    EXPECT_EQ(overall->bestRounds, 1);
    EXPECT_TRUE(overall->names[0].empty());
}

TEST(ClassificationSections, readersStopAtPLinesAndNamesAreCut) {
    // A rewrite for fewer participants leaves the old lines behind: only P are read.
    const std::string body = "CLASSEMENTToursTemps\t12\t\r\n" + std::string(50, 'A') +
                             "\t\r\nBob\t\r\nOld line\t\r\n" + test::units(4) + "\r\n";
    auto overall = std::make_unique<OverallClassification>(parseOverallClassification(body, 2));
    EXPECT_EQ(overall->bestRounds, 9);
    EXPECT_EQ(overall->names[0].view(), std::string(39, 'A'));
    EXPECT_EQ(overall->names[1], "Bob");
    EXPECT_TRUE(overall->names[2].empty());
    // A P beyond the table reads the 200 names it can hold.
    overall = std::make_unique<OverallClassification>(parseOverallClassification(body, 5000));
    EXPECT_EQ(overall->names[2], "Old line");
}

TEST(ClassificationSections, areasGrowWithTheParticipants) {
    EXPECT_EQ(roundClassificationUnits(0), 24);
    EXPECT_EQ(roundClassificationUnits(200), 7024);
    EXPECT_EQ(overallClassificationUnits(0), 15);
    EXPECT_EQ(overallClassificationUnits(200), 4415);
}

} // namespace
} // namespace racedesk
