#include "core/race/heat_composition_section.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/starting_grids_section.h"
#include "section_test_support.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::kCat;

const std::string kParametersTitle = kCat + "2QualifsParam\xE8tres";
const std::string kCompositionTitle = kCat + "1R\xE9partitionQualifs";
const std::string kGridsTitle = kCat + "1GrilleD\xE9partQualifs";

class QualifyingParametersTest : public test::NewRaceFileTest {};

TEST_F(QualifyingParametersTest, tenFieldsOnOneLineAndBack) {
    QualifyingParameters p;
    p.ranking = RankingMode::BestLap;
    p.duration = DurationMode::Laps;
    p.minutes = 5;
    p.laps = 12;
    p.countdownSeconds = 30;
    p.restMinutes = 3;
    p.start = StartMode::Staggered;
    p.startingOrder = StartingOrder::Editable;
    p.endOfTime = EndOfTime::FinishLap;
    p.endOfLaps = EndOfLaps::AllLaps;
    {
        SectionFile file(path());
        ASSERT_EQ(writeQualifyingParameters(file, 2, p), WriteStatus::Written);
    }
    const std::string line = "CLASSEMENTMeilleurTour\tDUREESERIETours\t5\t12\t30\t3\tDEPARTDecale\t"
                             "ORDREDEPARTModifiable\tFINTEMPSFinirTour\tFINTOURFaireTousLesTours\t"
                             "\r\n";
    EXPECT_EQ(read(), withSection(kParametersTitle, 80, line));

    SectionFile file(path());
    QualifyingParameters back;
    ASSERT_TRUE(readQualifyingParameters(file, 2, back));
    EXPECT_EQ(back.ranking, RankingMode::BestLap);
    EXPECT_EQ(back.duration, DurationMode::Laps);
    EXPECT_EQ(back.minutes, 5);
    EXPECT_EQ(back.laps, 12);
    EXPECT_EQ(back.countdownSeconds, 30);
    EXPECT_EQ(back.restMinutes, 3);
    EXPECT_EQ(back.start, StartMode::Staggered);
    EXPECT_EQ(back.startingOrder, StartingOrder::Editable);
    EXPECT_EQ(back.endOfTime, EndOfTime::FinishLap);
    EXPECT_EQ(back.endOfLaps, EndOfLaps::AllLaps);
}

TEST_F(QualifyingParametersTest, missingSectionGivesTheDefaults) {
    SectionFile file(path());
    QualifyingParameters p;
    p.minutes = 40;
    EXPECT_FALSE(readQualifyingParameters(file, 1, p));
    EXPECT_EQ(composeQualifyingParameters(p),
              "CLASSEMENTToursTemps\tDUREESERIETemps\t1\t1\t5\t0\tDEPARTSignalSonore\t"
              "ORDREDEPARTFixe\tFINTEMPSFinirTour\tFINTOURFinirTour\t\r\n");
}

TEST(QualifyingParameters, unknownKeywordsKeepDefaultsAndNumbersAreClamped) {
    const QualifyingParameters p = parseQualifyingParameters(
        "CLASSEMENTToursTempsX\tDUREESERIE\t75\t0\t9000\t-4\tDEPARTPremiereVoiture\tfixe\t"
        "FINTEMPSSignalSonore\t\r\n");
    EXPECT_EQ(p.ranking, RankingMode::LapsThenTime);
    EXPECT_EQ(p.duration, DurationMode::Time);
    EXPECT_EQ(p.minutes, 60);
    EXPECT_EQ(p.laps, 1);
    EXPECT_EQ(p.countdownSeconds, 3600);
    EXPECT_EQ(p.restMinutes, 0);
    EXPECT_EQ(p.start, StartMode::FirstCar);
    EXPECT_EQ(p.startingOrder, StartingOrder::Fixed);
    EXPECT_EQ(p.endOfTime, EndOfTime::Signal);
    EXPECT_EQ(p.endOfLaps, EndOfLaps::FinishLap); // the line ended before it
}

class HeatCompositionTest : public test::NewRaceFileTest {};

TEST_F(HeatCompositionTest, firstLineThenTwoHundredTwentyPlaces) {
    HeatComposition c;
    c.driversPerHeat = 4;
    c.rounds = 2;
    c.places[0] = "Alice";
    c.places[1] = "Bruno";
    c.places[5] = "Chlo\xE9";
    {
        SectionFile file(path());
        ASSERT_EQ(writeHeatComposition(file, 1, c), WriteStatus::Written);
    }
    std::string content = "0\t4\t2\t\r\nAlice\t\r\nBruno\t\r\n(NA)\t\r\n(NA)\t\r\n(NA)\t\r\n"
                          "Chlo\xE9\t\r\n";
    for (int k = 6; k < 220; ++k)
        content += "(NA)\t\r\n";
    EXPECT_EQ(read(), withSection(kCompositionTitle, 4625, content));

    SectionFile file(path());
    HeatComposition back;
    ASSERT_TRUE(readHeatComposition(file, 1, back));
    EXPECT_EQ(back.qualifyingStarted, 0);
    EXPECT_EQ(back.driversPerHeat, 4);
    EXPECT_EQ(back.rounds, 2);
    EXPECT_EQ(placeName(back, 0), "Alice");
    EXPECT_EQ(placeName(back, 5), "Chlo\xE9");
    EXPECT_EQ(placeName(back, 219), "(NA)");
}

TEST_F(HeatCompositionTest, missingSectionGivesDefaultsAndIsNotCreatedByTheDialogsRewrite) {
    SectionFile file(path());
    HeatComposition c;
    c.driversPerHeat = 3;
    c.places[0] = "stale";
    EXPECT_FALSE(readHeatComposition(file, 1, c));
    EXPECT_EQ(c.driversPerHeat, 10);
    EXPECT_EQ(c.rounds, 1);
    EXPECT_EQ(usedPlaces(c), 0);
    EXPECT_EQ(rewriteHeatComposition(file, 1, c), WriteStatus::TitleNotFound);
    EXPECT_EQ(file.contents(), newRaceFileBytes());
}

TEST_F(HeatCompositionTest, qualifyingStartedOverwrittenKeepsTheRestOfTheSection) {
    HeatComposition c;
    c.driversPerHeat = 8;
    c.rounds = 3;
    c.places[0] = "Alice";
    {
        SectionFile file(path());
        ASSERT_EQ(writeHeatComposition(file, 1, c), WriteStatus::Written);
        ASSERT_EQ(file.overwriteFirstInteger(kCompositionTitle, 1), WriteStatus::Written);
    }
    SectionFile file(path());
    HeatComposition back;
    ASSERT_TRUE(readHeatComposition(file, 1, back));
    EXPECT_EQ(back.qualifyingStarted, 1);
    EXPECT_EQ(back.driversPerHeat, 8);
    EXPECT_EQ(back.rounds, 3);
    EXPECT_EQ(placeName(back, 0), "Alice");
}

TEST(HeatComposition, placeAccessorsStayInsideThePlaces) {
    HeatComposition c;
    c.driversPerHeat = 20;
    c.places[219] = "Last";
    c.places[0] = "First";
    EXPECT_EQ(placeName(c, -1), "(NA)");
    EXPECT_EQ(placeName(c, 220), "(NA)");
    EXPECT_EQ(placeName(c, 1 << 30), "(NA)");
    EXPECT_EQ(placeName(c, 219), "Last");
    // Heat 11 of 20 drivers ends at place 219; heat 12 would start past the table.
    EXPECT_EQ(heatDriver(c, 11, 20), "Last");
    EXPECT_EQ(heatDriver(c, 12, 1), "(NA)");
    EXPECT_EQ(heatDriver(c, 1, 1), "First");
    EXPECT_EQ(heatDriver(c, 0, 1), "(NA)");
    EXPECT_EQ(heatDriver(c, 1, 0), "(NA)");
    EXPECT_EQ(heatDriver(c, 1, 21), "(NA)");
    EXPECT_EQ(heatDriver(c, 1 << 30, 1 << 30), "(NA)");
    c.driversPerHeat = 0;
    EXPECT_EQ(heatDriver(c, 1, 1), "(NA)");
}

TEST(HeatComposition, heatsPerRoundFollowTheLastUsedPlace) {
    HeatComposition c;
    c.driversPerHeat = 10;
    for (int k = 0; k < 21; ++k)
        c.places[std::size_t(k)] = "D" + std::to_string(k);
    EXPECT_EQ(usedPlaces(c), 21);
    EXPECT_EQ(heatsPerRound(c), 3); // the third heat holds one driver
    EXPECT_EQ(heatDriver(c, 3, 1), "D20");
    EXPECT_EQ(heatDriver(c, 3, 2), "(NA)");
    // A removed driver leaves a free place; the places after it keep their heats.
    c.places[20] = "(NA)";
    EXPECT_EQ(usedPlaces(c), 20);
    EXPECT_EQ(heatsPerRound(c), 2);
}

TEST(HeatComposition, damagedBodyIsReadWithinItsLimits) {
    const HeatComposition c =
        parseHeatComposition("7\t45\t-3\t\r\n" + std::string(50, 'Z') + "\t\r\n\t\r\nBob\t\r\n");
    EXPECT_EQ(c.qualifyingStarted, 1);
    EXPECT_EQ(c.driversPerHeat, 20);
    EXPECT_EQ(c.rounds, 1);
    EXPECT_EQ(placeName(c, 0), std::string(39, 'Z'));
    EXPECT_EQ(placeName(c, 1), "(NA)"); // an empty name is a free place
    EXPECT_EQ(placeName(c, 2), "Bob");
    EXPECT_EQ(placeName(c, 3), "(NA)"); // the body ended
}

class StartingGridsTest : public test::NewRaceFileTest {};

TEST_F(StartingGridsTest, roundsOfNIntegersAndBack) {
    StartingGrids g = defaultStartingGrids(1, 3, 2);
    g.grids[1] = {3, 1, 2};
    {
        SectionFile file(path());
        ASSERT_EQ(writeStartingGrids(file, 1, g), WriteStatus::Written);
    }
    EXPECT_EQ(read(), withSection(kGridsTitle, 250, "1\t3\t2\t\r\n1\t2\t3\t\r\n3\t1\t2\t\r\n"));

    SectionFile file(path());
    StartingGrids back;
    ASSERT_TRUE(readStartingGrids(file, 1, back));
    EXPECT_EQ(back.qualifyingStarted, 1);
    EXPECT_TRUE(gridsMatch(back, 3, 2));
    EXPECT_FALSE(gridsMatch(back, 4, 2));
    EXPECT_FALSE(gridsMatch(back, 3, 3));
    EXPECT_EQ(roundGrid(back, 3, 2), (RoundGrid{3, 1, 2}));
    EXPECT_EQ(roundGrid(back, 3, 1), (RoundGrid{1, 2, 3}));
}

TEST_F(StartingGridsTest, missingSectionStoresNoGridAndEveryRoundStartsInOrder) {
    SectionFile file(path());
    StartingGrids g = defaultStartingGrids(0, 5, 5);
    EXPECT_FALSE(readStartingGrids(file, 1, g));
    EXPECT_EQ(g.driversPerHeat, 0);
    EXPECT_EQ(g.rounds, 0);
    EXPECT_FALSE(gridsMatch(g, 5, 1));
    EXPECT_EQ(roundGrid(g, 5, 1), (RoundGrid{1, 2, 3, 4, 5}));
}

TEST(StartingGrids, defaultGridIsTheCompositionOrderOverNPositions) {
    EXPECT_EQ(defaultGrid(1), (RoundGrid{1}));
    RoundGrid full;
    for (int i = 0; i < 20; ++i)
        full[std::size_t(i)] = i + 1;
    EXPECT_EQ(defaultGrid(20), full);
    EXPECT_EQ(defaultGrid(25), full);
    EXPECT_EQ(defaultGrid(0), RoundGrid{});
    EXPECT_EQ(defaultGrid(-3), RoundGrid{});
}

TEST(StartingGrids, damagedOrMissingRowsFallBackToTheDefaultGridOfTheirRound) {
    // Round 1 valid; round 2 has a value beyond N; round 3 a driver twice; round 4 a zero
    // (a row cut short); the section says 5 rounds but holds only 4 lines.
    const StartingGrids g = parseStartingGrids("0\t4\t5\t\r\n"
                                               "2\t1\t4\t3\t\r\n"
                                               "2\t1\t5\t3\t\r\n"
                                               "2\t2\t1\t3\t\r\n"
                                               "4\t3\t1\t\r\n");
    const RoundGrid inOrder{1, 2, 3, 4};
    EXPECT_EQ(roundGrid(g, 4, 1), (RoundGrid{2, 1, 4, 3}));
    EXPECT_EQ(roundGrid(g, 4, 2), inOrder);
    EXPECT_EQ(roundGrid(g, 4, 3), inOrder);
    EXPECT_EQ(roundGrid(g, 4, 4), inOrder);
    EXPECT_EQ(roundGrid(g, 4, 5), inOrder);
    EXPECT_EQ(roundGrid(g, 4, 6), inOrder);
    EXPECT_EQ(roundGrid(g, 4, 0), inOrder);
    EXPECT_EQ(roundGrid(g, 4, 10), inOrder);
    // Grids set for 4 drivers are not used for heats of 3 or 5.
    EXPECT_EQ(roundGrid(g, 3, 1), (RoundGrid{1, 2, 3}));
    EXPECT_EQ(roundGrid(g, 5, 1), (RoundGrid{1, 2, 3, 4, 5}));
}

TEST(StartingGrids, countsOutsideTheTableMakeTheRowsUnusable) {
    for (const char* body : {"0\t21\t2\t\r\n1\t2\t\r\n", "0\t2\t10\t\r\n2\t1\t\r\n",
                             "0\t0\t1\t\r\n", "0\t2\t\t\r\n2\t1\t\r\n"}) {
        const StartingGrids g = parseStartingGrids(body);
        EXPECT_EQ(g.driversPerHeat, 0) << body;
        EXPECT_EQ(g.rounds, 0) << body;
        EXPECT_EQ(roundGrid(g, 2, 1), (RoundGrid{1, 2})) << body;
    }
}

} // namespace
} // namespace racedesk
