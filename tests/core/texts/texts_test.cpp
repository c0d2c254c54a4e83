#include "core/common/cp1252.h"
#include "core/common/texts.h"

#include "text_table_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

TEST(Texts, everyTextIsDefinedAndSurvivesTheCodePage) {
    test::expectCompleteTable<Text>();
}

TEST(Texts, theBuildSpeaksItsLanguage) {
    const std::string header = cp1252ToUtf8(tx(Text::RunHeader));
    const std::string key = tx(Text::KeyStartStaggered);
    if (test::kEnglish) {
        EXPECT_EQ(header, "Duration %s - %s - %s - Start %02u/%02u/%04u %u:%02u");
        EXPECT_EQ(key, "STARTStaggered");
        EXPECT_EQ(std::string(tx(Text::CaptionError)), "Error");
    } else {
        EXPECT_EQ(header, "Durée %s - %s - %s - Départ %02u/%02u/%04u %u:%02u");
        EXPECT_EQ(key, "DEPARTDecale");
        EXPECT_EQ(std::string(tx(Text::CaptionError)), "Erreur");
    }
}

} // namespace
} // namespace racedesk
