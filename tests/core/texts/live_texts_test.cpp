#include "core/live/live_pages.h"
#include "core/live/live_texts.h"

#include "text_table_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

TEST(LiveTexts, everyTextIsDefinedAndSurvivesTheCodePage) {
    test::expectCompleteTable<LiveText>();
}

// The board page a browser gets speaks the program's language, headings included.
TEST(LiveTexts, theBoardPageSpeaksTheBuildsLanguage) {
    const std::string page = liveBoardPage("/board")->body;
    const auto has = [&](const char* text) { return page.find(text) != std::string::npos; };
    if (test::kEnglish) {
        EXPECT_TRUE(has("<html lang=\"en\">"));
        EXPECT_TRUE(has("<title>Live results</title>"));
        EXPECT_TRUE(has(">Best lap<"));
        EXPECT_TRUE(has(">The meeting<"));
        EXPECT_FALSE(has("Meilleur tour"));
    } else {
        EXPECT_TRUE(has("<html lang=\"fr\">"));
        EXPECT_TRUE(has("<title>Résultats en direct</title>"));
        EXPECT_TRUE(has(">Meilleur tour<"));
        EXPECT_TRUE(has(">La course<"));
    }
    EXPECT_EQ(page.find("{{"), std::string::npos);
}

} // namespace
} // namespace racedesk
