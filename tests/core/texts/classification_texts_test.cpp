#include "core/common/cp1252.h"
#include "core/qualifying/classification_texts.h"

#include "text_table_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

TEST(ClassificationTexts, everyTextIsDefinedAndSurvivesTheCodePage) {
    test::expectCompleteTable<ClassificationText>();
}

TEST(ClassificationTexts, theWarningsAndPrintedTitlesSpeakTheBuildsLanguage) {
    const std::string incomplete = textUtf8(ClassificationText::RoundIncomplete);
    const std::string noResults = textUtf8(ClassificationText::NoResults);
    const std::string roundTitle = textUtf8(ClassificationText::PrintRoundTitle);
    const std::string prefix = textUtf8(ClassificationText::PrintOverallDatePrefix);
    if (test::kEnglish) {
        EXPECT_EQ(incomplete, " Round not completed (%d drivers didn't race) ");
        EXPECT_EQ(noResults, " %d drivers have no points ");
        EXPECT_EQ(roundTitle, "Qualification : Classification Round%d");
        EXPECT_EQ(prefix, "SUM OF POINTS of the best %d qualifying rounds");
    } else {
        EXPECT_EQ(incomplete, " Manche incomplète (%d pilotes n'ont pas couru) ");
        EXPECT_EQ(noResults, " %d pilotes n'ont pas de résultats ");
        EXPECT_EQ(roundTitle, "Qualifications : Classement Manche%d");
        EXPECT_EQ(prefix, "SOMME POINTS des %d meilleures Manches");
    }
}

} // namespace
} // namespace racedesk
