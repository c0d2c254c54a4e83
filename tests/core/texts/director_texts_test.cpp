// What each program shows of the run, the race file's keys, new categories and printouts, in
// its own language.
#include "core/app/app_texts.h"
#include "core/race/race_header.h"
#include "core/race/race_texts.h"
#include "core/reports/print_file_name.h"
#include "core/timing/frequency_conflict.h"
#include "core/timing/key_labels.h"
#include "core/timing/run_engine.h"
#include "core/timing/run_texts.h"

#include "text_table_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

using test::kEnglish;

TEST(DirectorTexts, everyTextIsDefinedAndSurvivesTheCodePage) {
    test::expectCompleteTable<RunText>();
    test::expectCompleteTable<RaceText>();
    test::expectCompleteTable<AppText>();
    test::expectCompleteTable<PrintFileText>();
}

TEST(DirectorTexts, aNewRaceNamesItsCategoryInTheProgramsLanguage) {
    const RaceHeader header = newRaceHeader();
    EXPECT_EQ(header.categories[0].name.view(), kEnglish ? "CATEGORY 1" : "CATEGORIE 1");
    EXPECT_EQ(defaultCategoryName(9).view(), kEnglish ? "CATEGORY 9" : "CATEGORIE 9");
}

TEST(DirectorTexts, storedKeysOfTheRunReadInTheProgramsLanguage) {
    // As the French program stores it, whichever program reads it.
    const std::string stored = "Durée 0:05:00 - DEPARTSignalSonore - FINTEMPSFinirTour - Départ "
                               "03/03/2027 9:05";
    const std::string readable = cp1252ToUtf8(readableSummary(textToCp1252(stored.c_str())));
    EXPECT_EQ(readable.find("DEPART"), std::string::npos) << readable;
    EXPECT_EQ(readable.find("FINTEMPS"), std::string::npos) << readable;
    if (kEnglish) {
        EXPECT_EQ(readable, "Durée 0:05:00 - Start at the signal - End when the lap is finished - "
                            "Départ 03/03/2027 9:05");
        EXPECT_EQ(readableCondition("Pluie"), "wet");
        EXPECT_EQ(std::string(labelOf(RankingMode::BestLap)), "Ranked by best lap");
    } else {
        EXPECT_EQ(readable, "Durée 0:05:00 - Départ au signal sonore - Fin en finissant le tour - "
                            "Départ 03/03/2027 9:05");
        EXPECT_EQ(readableCondition("Glace"), "glace");
        EXPECT_EQ(cp1252ToUtf8(labelOf(RankingMode::LapsThenTime)),
                  "Classement aux tours et au temps");
    }
    EXPECT_EQ(readableCondition("Boue"), "Boue") << "an unknown condition as it is";
    EXPECT_EQ(readableSummary("XDEPARTDecale"), "XDEPARTDecale") << "only whole keys";
}

TEST(DirectorTexts, theRunsOwnHeaderKeysReadAsLabelsToo) {
    const std::string header = std::string("Duration 0:01:00 - ") + tx(Text::KeyStartStaggered) +
                               " - " + tx(Text::KeyEndLapsAllLaps);
    EXPECT_EQ(readableSummary(header), std::string("Duration 0:01:00 - ") +
                                           tx(RunText::LabelStartStaggered) + " - " +
                                           tx(RunText::LabelEndLapsAllLaps));
}

TEST(DirectorTexts, theConflictBannerSpeaksTheProgramsLanguage) {
    CarSlots slots;
    emptySlots(slots);
    ParticipantTable participants;
    for (int i = 0; i < 2; ++i) {
        slots[std::size_t(i)].name = i == 0 ? "Alice" : "Bob";
        participants[std::size_t(i)].name = slots[std::size_t(i)].name.view();
        participants[std::size_t(i)].frequencies[0] = "40.665";
    }
    EXPECT_EQ(frequencyConflictText(slots, participants),
              kEnglish ? "Radio conflict: 40.665 (Alice, Bob)"
                       : "Conflit radio : 40.665 (Alice, Bob)");
}

TEST(DirectorTexts, aPrintoutIsProposedAsAFileNamedAfterItAndItsCategory) {
    PrintDocument document;
    document.fileTitle = printFileTitle(PrintFileText::RoundClassification, 1);
    document.category = "Tourisme";
    EXPECT_EQ(proposedPdfName(document), kEnglish ? "Classification Round1 - Tourisme.pdf"
                                                  : "Classement Manche1 - Tourisme.pdf");
    document.fileTitle = tx(PrintFileText::RunResults);
    document.category = textToCp1252(" Buggy 1/8 : Manche1 - Série2 ");
    EXPECT_EQ(cp1252ToUtf8(proposedPdfName(document)),
              kEnglish ? "Heat results - Buggy 1-8 Manche1 - Série2.pdf"
                       : "Résultats série - Buggy 1-8 Manche1 - Série2.pdf")
        << "no folder separator nor colon in a file name";
    document.fileTitle.clear();
    document.category.clear();
    EXPECT_EQ(proposedPdfName(document), kEnglish ? "Printout.pdf" : "Impression.pdf");
}

} // namespace
} // namespace racedesk
