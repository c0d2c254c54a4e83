// The finals parameters and composition dialogs' operations on a working race file.
#include "core/finals/final_storage.h"
#include "core/finals/finals_composition_form.h"
#include "core/finals/finals_parameters_form.h"
#include "core/finals/finals_structure.h"
#include "core/race/race_header.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using namespace finals_parameters_control;

struct FinalsForms : ::testing::Test {
    test::TestProgram t;
    Program& p = t.program;

    void SetUp() override {
        ASSERT_TRUE(createWorkingRaceFile(p.path(kWorkingRaceFile)));
        RaceHeader header = newRaceHeader();
        header.categories[0].participants = 24;
        header.categories[0].finalsState = 1;
        ASSERT_EQ(writeRaceHeader(p.path(kWorkingRaceFile), header), WriteStatus::Written);
    }
    std::string body(const std::string& title) {
        SectionFile f(p.path(kWorkingRaceFile));
        return std::string(f.body(title).value_or(""));
    }
    // The section's content, without the filler after it.
    std::string firstLine(const std::string& title) {
        const std::string b = body(title);
        return b.substr(0, b.find("\r\n") + 2);
    }
    CategoryEntry category() {
        RaceHeader header;
        EXPECT_TRUE(readRaceHeader(p.path(kWorkingRaceFile), header));
        return header.categories[0];
    }
};

TEST_F(FinalsForms, aStaggeredStartMakesEveryDriverFinishHisLapUntilAnotherStartIsChosen) {
    FinalsParametersForm form = openFinalsParameters(p, 1);
    EXPECT_EQ(form.categoryName, "CATEGORIE 1");
    setFinalsControl(form.parameters, kEndSignal);
    EXPECT_TRUE(finalsControlChecked(form.parameters, kEndSignal));
    setFinalsControl(form.parameters, kStartStaggered);
    EXPECT_TRUE(finalsControlChecked(form.parameters, kEndFinishLap));
    EXPECT_FALSE(finalsControlEnabled(form.parameters, kEndSignal));
    setFinalsControl(form.parameters, kEndSignal);
    EXPECT_TRUE(finalsControlChecked(form.parameters, kEndFinishLap));
    setFinalsControl(form.parameters, kStartFirstCar);
    EXPECT_TRUE(finalsControlEnabled(form.parameters, kEndSignal));
    const TypedNumber countdown = typeFinalsCountdown(form.parameters, "4000");
    EXPECT_EQ(countdown.value, 3600);
    EXPECT_TRUE(countdown.showValue);
}

TEST_F(FinalsForms, validatedParametersAreStoredAndTakenByTheFinalOnTheBoard) {
    loadFinal(p, 1, 0);
    ASSERT_TRUE(p.loaded.loaded());
    EXPECT_EQ(p.run.countdownSeconds, 5);
    FinalsParametersForm form = openFinalsParameters(p, 1);
    setFinalsControl(form.parameters, kStartFirstCar);
    setFinalsControl(form.parameters, kEndSignal);
    typeFinalsCountdown(form.parameters, "12");
    ASSERT_TRUE(confirmFinalsParameters(p, form));
    EXPECT_EQ(firstLine(finalsParametersTitle(1)),
              "DEPARTPremiereVoiture\tFINTEMPSSignalSonore\t12\t\r\n");
    EXPECT_EQ(p.run.startMode, StartMode::FirstCar);
    EXPECT_EQ(p.run.endOfTime, EndOfTime::Signal);
    EXPECT_EQ(p.run.countdownSeconds, 12);
    EXPECT_EQ(p.run.countdownText.view(), "12s");
    EXPECT_EQ(openFinalsParameters(p, 1).parameters.countdownSeconds, 12);
}

TEST_F(FinalsForms, generatingStoresTheCompositionAndTheNumberOfFinalsAndEmptiesTheBoard) {
    FinalsCompositionForm form;
    ASSERT_TRUE(openFinalsComposition(p, 1, form));
    EXPECT_EQ(form.maxParticipants, 24);
    EXPECT_FALSE(form.frozen);
    EXPECT_EQ(finalsStructure(form.composition).levels, 2);
    typeCompositionNumber(form.composition, composition_control::kDuration[0], "0", 24);
    ASSERT_TRUE(generateFinalsComposition(p, form));
    EXPECT_EQ(category().finals, 5);
    EXPECT_EQ(firstLine(finalsCompositionTitle(1)),
              "24\t10\t1\t20\t15\t10\t10\t15\t10\t5\t5\t0\t14\t14\t14\t14\t5\t3\t3\t3\t\r\n");

    loadFinal(p, 1, 3);
    ASSERT_TRUE(p.loaded.loaded());
    const AfterFinalsComposition after = afterFinalsComposition(p, 1);
    EXPECT_TRUE(after.rebuildBranch);
    EXPECT_TRUE(after.boardEmptied);
    EXPECT_FALSE(p.loaded.loaded());
}

TEST_F(FinalsForms, onceAFinalHasResultsTheCountsAreFrozenAndTheBoardTakesTheNewDuration) {
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(p.path(kWorkingRaceFile), header));
    header.categories[0].finalsState = 2;
    header.categories[0].finals = 5;
    ASSERT_EQ(writeRaceHeader(p.path(kWorkingRaceFile), header), WriteStatus::Written);
    loadFinal(p, 1, 3);
    EXPECT_EQ(p.run.durationMinutes, 15);
    FinalsCompositionForm form;
    ASSERT_TRUE(openFinalsComposition(p, 1, form));
    EXPECT_TRUE(form.frozen);
    typeCompositionNumber(form.composition, composition_control::kDuration[2], "7", 24);
    ASSERT_TRUE(generateFinalsComposition(p, form));
    const AfterFinalsComposition after = afterFinalsComposition(p, 1);
    EXPECT_FALSE(after.rebuildBranch);
    EXPECT_FALSE(after.boardEmptied);
    EXPECT_TRUE(p.loaded.loaded());
    EXPECT_EQ(p.run.durationMinutes, 7);
}

TEST_F(FinalsForms, anInvalidStructureIsNotGenerated) {
    FinalsCompositionForm form;
    ASSERT_TRUE(openFinalsComposition(p, 1, form));
    typeCompositionNumber(form.composition, composition_control::kDriversPerFinal, "1", 24);
    EXPECT_FALSE(generateFinalsComposition(p, form));
    EXPECT_EQ(body(finalsCompositionTitle(1)), "");
    EXPECT_EQ(category().finals, 0);
}

TEST_F(FinalsForms, aFinalWithoutTheOverallClassificationSaysSo) {
    loadFinal(p, 1, 0);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[1].text, "Erreur: Intitulé Classement global qualifs non trouvé");
}

} // namespace
} // namespace racedesk
