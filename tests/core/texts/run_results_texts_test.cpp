#include "core/common/cp1252.h"
#include "core/race/run_results_texts.h"

#include "text_table_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

TEST(RunResultsTexts, everyTextIsDefinedAndSurvivesTheCodePage) {
    test::expectCompleteTable<RunResultsText>();
}

TEST(RunResultsTexts, theBuildSpeaksItsLanguage) {
    const std::string caption = cp1252ToUtf8(tx(RunResultsText::DetailedCaption));
    const std::string chart = cp1252ToUtf8(tx(RunResultsText::Positions));
    if (test::kEnglish) {
        EXPECT_EQ(caption, "Run detailed results");
        EXPECT_EQ(chart, "follow-up of the positions");
        EXPECT_EQ(std::string(tx(RunResultsText::PassingTimes)), "race time");
    } else {
        EXPECT_EQ(caption, "Résultats détaillés série");
        EXPECT_EQ(chart, "évolution des positions");
        EXPECT_EQ(cp1252ToUtf8(tx(RunResultsText::PrintCreditedGroup)), "Résultat pris en compte");
    }
}

} // namespace
} // namespace racedesk
