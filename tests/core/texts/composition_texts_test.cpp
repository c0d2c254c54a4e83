#include "core/common/cp1252.h"
#include "core/qualifying/composition_texts.h"

#include "text_table_checks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace racedesk {
namespace {

TEST(CompositionTexts, everyTextIsDefinedAndSurvivesTheCodePage) {
    test::expectCompleteTable<CompositionText>();
}

TEST(CompositionTexts, theBuildSpeaksItsLanguage) {
    char letters[128];
    std::snprintf(letters, sizeof letters, tx(CompositionText::GridLetters), 'C');
    const std::string title = cp1252ToUtf8(tx(CompositionText::PrintTitle));
    const std::string tooMany = cp1252ToUtf8(tx(CompositionText::TooManyHeats));
    if (test::kEnglish) {
        EXPECT_EQ(title, "Qualification : Arrangement of heats");
        EXPECT_EQ(tooMany, "The number of heats generated must be 20 maximum");
        EXPECT_EQ(cp1252ToUtf8(letters), "Letters must be entered between A and C");
    } else {
        EXPECT_EQ(title, "Qualifications : Composition des Séries");
        EXPECT_EQ(tooMany, "Le nombre de séries ne doit pas être supérieur à 20");
        EXPECT_EQ(cp1252ToUtf8(letters), "Les lettres doivent être comprises entre A et C");
    }
}

} // namespace
} // namespace racedesk
