#include "core/qualifying/qualifying_parameters_form.h"

#include "core/app/program.h"
#include "core/race/heat_composition_section.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/race_file_layout.h"
#include "core/race/starting_grids_section.h"
#include "core/race/working_race_file.h"
#include "core/race/write_report.h"
#include "core/timing/run_engine.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace racedesk {
namespace {

using test::TestProgram;

const std::string kTitle2 = test::kCat + "2QualifsParam\xE8tres";

// A race of two categories; the second, "Touring 1/10", has 8 drivers, 4 per heat, 2 rounds.
struct QualifyingParametersForm_ : ::testing::Test {
    TestProgram t;
    Program& p = t.program;

    void SetUp() override {
        t.connectKt2();
        const std::string file = p.path(kWorkingRaceFile);
        ASSERT_TRUE(createWorkingRaceFile(file));
        RaceHeader header = newRaceHeader();
        header.categoryCount = 2;
        header.categories[1].name = "Touring 1/10";
        header.categories[1].participants = 8;
        header.categories[1].rounds = 2;
        header.categories[1].heatsPerRound = 2;
        SectionFile f(file);
        ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
        ParticipantTable participants;
        HeatComposition composition;
        composition.driversPerHeat = 4;
        composition.rounds = 2;
        for (int i = 0; i < 8; ++i) {
            const std::string name = "Driver " + std::to_string(i + 1);
            participants[std::size_t(i)].name = name;
            participants[std::size_t(i)].transponder = "00" + std::to_string(1001 + i);
            composition.places[std::size_t(i)] = name;
        }
        ASSERT_EQ(writeParticipants(f, 2, participants), WriteStatus::Written);
        ASSERT_EQ(writeHeatComposition(f, 2, composition), WriteStatus::Written);
        ASSERT_EQ(writeStartingGrids(f, 2, defaultStartingGrids(0, 4, 2)), WriteStatus::Written);
    }

    std::string bytes() const { return t.folder.read(kWorkingRaceFile); }

    QualifyingParametersForm formOf(int category, const QualifyingParameters& parameters) {
        QualifyingParametersForm form;
        form.category = category;
        form.parameters = parameters;
        return form;
    }

    // Car 1 drives 3 laps of 21 s; car 2 only 2 laps, but its second one takes 5 s.
    void runUnevenHeat() {
        ASSERT_TRUE(t.startAndRun());
        t.runTicks(21'000);
        manualPassing(p, 1);
        t.runTicks(9'000);
        manualPassing(p, 2);
        t.runTicks(5'000);
        manualPassing(p, 2);
        t.runTicks(7'000);
        manualPassing(p, 1);
        t.runTicks(21'000);
        manualPassing(p, 1);
        stopRun(p);
    }
};

QualifyingParameters lapsRun() {
    QualifyingParameters q;
    q.ranking = RankingMode::BestLap;
    q.duration = DurationMode::Laps;
    q.minutes = 8;
    q.laps = 12;
    q.countdownSeconds = 30;
    q.restMinutes = 2;
    q.start = StartMode::FirstCar;
    q.startingOrder = StartingOrder::Editable;
    q.endOfTime = EndOfTime::Signal;
    q.endOfLaps = EndOfLaps::AllLaps;
    return q;
}

TEST_F(QualifyingParametersForm_, aCategoryWithoutItsSectionOpensWithTheDefaults) {
    const QualifyingParametersForm form = openQualifyingParameters(p, 2);
    EXPECT_EQ(form.category, 2);
    EXPECT_EQ(form.categoryName.view(), "Touring 1/10");
    const QualifyingParameters& q = form.parameters;
    EXPECT_EQ(q.ranking, RankingMode::LapsThenTime);
    EXPECT_EQ(q.duration, DurationMode::Time);
    EXPECT_EQ(q.minutes, 1);
    EXPECT_EQ(q.laps, 1);
    EXPECT_EQ(q.countdownSeconds, 5);
    EXPECT_EQ(q.restMinutes, 0);
    EXPECT_EQ(q.start, StartMode::Signal);
    EXPECT_EQ(q.startingOrder, StartingOrder::Fixed);
    EXPECT_EQ(q.endOfTime, EndOfTime::FinishLap);
    EXPECT_EQ(q.endOfLaps, EndOfLaps::FinishLap);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(QualifyingParametersForm_, validerAppendsTheSectionOnceAndRewritesItInPlace) {
    const std::string before = bytes();
    ASSERT_TRUE(confirmQualifyingParameters(p, formOf(2, lapsRun())));
    const std::string line = "CLASSEMENTMeilleurTour\tDUREESERIETours\t8\t12\t30\t2\t"
                             "DEPARTPremiereVoiture\tORDREDEPARTModifiable\tFINTEMPSSignalSonore\t"
                             "FINTOURFaireTousLesTours\t\r\n";
    std::string area = test::units(80) + "\r\n";
    area.replace(0, line.size(), line);
    EXPECT_EQ(bytes(), before + test::sectionBytes(kTitle2, area));

    const QualifyingParametersForm back = openQualifyingParameters(p, 2);
    EXPECT_EQ(back.parameters.ranking, RankingMode::BestLap);
    EXPECT_EQ(back.parameters.laps, 12);
    EXPECT_EQ(back.parameters.start, StartMode::FirstCar);
    EXPECT_EQ(back.parameters.endOfLaps, EndOfLaps::AllLaps);
    EXPECT_EQ(openQualifyingParameters(p, 1).parameters.duration, DurationMode::Time)
        << "category 1 keeps its own defaults";

    ASSERT_TRUE(confirmQualifyingParameters(p, formOf(2, QualifyingParameters{})));
    const std::string again = bytes();
    EXPECT_EQ(again.size(), before.size() + test::sectionBytes(kTitle2, area).size());
    EXPECT_EQ(again.compare(0, before.size(), before), 0) << "nothing else moves";
    EXPECT_EQ(openQualifyingParameters(p, 2).parameters.duration, DurationMode::Time);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(QualifyingParametersForm_, withoutTheRaceFileTheDialogShowsDefaultsAndWritesNothing) {
    confirmQualifyingParameters(p, formOf(2, lapsRun()));
    std::filesystem::remove(p.path(kWorkingRaceFile));
    const QualifyingParametersForm form = openQualifyingParameters(p, 2);
    EXPECT_TRUE(form.categoryName.empty());
    EXPECT_EQ(form.parameters.duration, DurationMode::Time);
    EXPECT_EQ(form.parameters.countdownSeconds, 5);
    EXPECT_FALSE(confirmQualifyingParameters(p, form));
    EXPECT_FALSE(t.folder.exists(kWorkingRaceFile));
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    for (const auto& m : t.dialogs.messages) {
        EXPECT_EQ(m.text, "Erreur: impossible d'ouvrir le fichier Course");
        EXPECT_EQ(m.caption, "Erreur");
    }
}

TEST_F(QualifyingParametersForm_, aSectionNotWrittenIsReportedWithItsOwnMessage) {
    reportWrite(p, WriteStatus::TitleNotFound, kQualifyingParametersTitleNotFound);
    reportWrite(p, WriteStatus::FileError, kQualifyingParametersTitleNotFound);
    reportWrite(p, WriteStatus::Written, kQualifyingParametersTitleNotFound);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Erreur: Intitulé Paramètres des qualifs non trouvé");
    EXPECT_EQ(t.dialogs.messages[1].text, "Erreur: impossible d'ouvrir le fichier Course");
}

TEST_F(QualifyingParametersForm_, theLoadedHeatTakesTheNewParametersAtOnce) {
    loadQualifyingHeat(p, 2, 1, 1);
    ASSERT_EQ(p.run.durationText.view(), "0:01:00");
    const std::string driver(p.slots[0].name.view());
    t.screen.invalidated.clear();
    ASSERT_TRUE(confirmQualifyingParameters(p, formOf(2, lapsRun())));
    EXPECT_EQ(p.run.ranking, RankingMode::BestLap);
    EXPECT_EQ(p.run.durationMode, DurationMode::Laps);
    EXPECT_EQ(p.run.targetLaps, 12);
    EXPECT_EQ(p.run.durationMinutes, 8);
    EXPECT_EQ(p.run.countdownSeconds, 30);
    EXPECT_EQ(p.run.restMinutes, 2);
    EXPECT_EQ(p.run.startMode, StartMode::FirstCar);
    EXPECT_EQ(p.run.endOfLaps, EndOfLaps::AllLaps);
    EXPECT_EQ(p.run.durationText.view(), "12 tours");
    EXPECT_EQ(p.run.countdownText.view(), "30s");
    EXPECT_TRUE(p.run.ready) << "a heat never run stays ready to start";
    EXPECT_EQ(p.slots[0].name.view(), driver);
    EXPECT_FALSE(t.screen.invalidated.empty());

    QualifyingParameters timed;
    timed.minutes = 60;
    timed.countdownSeconds = 0;
    confirmQualifyingParameters(p, formOf(2, timed));
    EXPECT_EQ(p.run.durationText.view(), "1:00:00");
    EXPECT_EQ(p.run.countdownText.view(), "0s");
}

TEST_F(QualifyingParametersForm_, aRunOverKeepsItsResultsAndIsRankedByTheNewMode) {
    QualifyingParameters tenMinutes;
    tenMinutes.minutes = 10;
    ASSERT_TRUE(confirmQualifyingParameters(p, formOf(2, tenMinutes)));
    loadQualifyingHeat(p, 2, 1, 1);
    runUnevenHeat();
    ASSERT_FALSE(p.run.inProgress());
    const std::string first(p.slots[0].name.view());
    const std::string second(p.slots[1].name.view());
    ASSERT_EQ(p.rows[0].name.view(), first) << "more laps lead by laps then time";

    QualifyingParameters bestLap = tenMinutes;
    bestLap.ranking = RankingMode::BestLap;
    ASSERT_TRUE(confirmQualifyingParameters(p, formOf(2, bestLap)));
    EXPECT_EQ(p.slots[0].laps, 3);
    EXPECT_EQ(p.slots[1].laps, 2);
    EXPECT_EQ(p.rows[0].name.view(), second) << "the 5 s lap leads by best lap";
    EXPECT_EQ(p.rows[1].name.view(), first);
    EXPECT_FALSE(p.run.ready);

    commitHeat(p);
    unloadRun(p);
    loadQualifyingHeat(p, 2, 1, 1);
    ASSERT_TRUE(p.loaded.holdsResults);
    ASSERT_TRUE(confirmQualifyingParameters(p, formOf(2, tenMinutes)));
    EXPECT_EQ(p.slots[0].laps, 3) << "a stored heat keeps its results too";
    EXPECT_EQ(p.rows[0].name.view(), first);
    EXPECT_FALSE(p.run.ready);
}

TEST_F(QualifyingParametersForm_, aRunningHeatAndOtherBoardsAreLeftAlone) {
    loadQualifyingHeat(p, 2, 1, 1);
    ASSERT_TRUE(t.startAndRun());
    ASSERT_TRUE(confirmQualifyingParameters(p, formOf(2, lapsRun())));
    EXPECT_EQ(p.run.durationMode, DurationMode::Time);
    EXPECT_EQ(p.run.durationText.view(), "0:01:00");
    EXPECT_EQ(openQualifyingParameters(p, 2).parameters.laps, 12) << "written all the same";
    stopRun(p);

    unloadRun(p);
    loadQualifyingHeat(p, 2, 2, 1);
    ASSERT_EQ(p.run.durationMode, DurationMode::Laps);
    ASSERT_TRUE(confirmQualifyingParameters(p, formOf(1, QualifyingParameters{})));
    EXPECT_EQ(p.run.durationMode, DurationMode::Laps) << "another category's heat";

    unloadRun(p);
    ASSERT_TRUE(confirmQualifyingParameters(p, formOf(2, QualifyingParameters{})));
    EXPECT_EQ(p.run.durationMode, DurationMode::Laps) << "no heat on the board";
    EXPECT_TRUE(t.dialogs.messages.empty());
}

} // namespace
} // namespace racedesk
