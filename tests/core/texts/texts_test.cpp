#include "core/common/cp1252.h"
#include "core/common/texts.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

// Built twice: once with the French table, once with the English one.
#ifdef RACEDESK_ENGLISH
constexpr bool kEnglish = true;
#else
constexpr bool kEnglish = false;
#endif

TEST(Texts, everyTextIsDefinedAndSurvivesTheCodePage) {
    for (int i = 0; i < int(Text::Count); ++i) {
        const std::string utf8 = textUtf8(Text(i));
        EXPECT_FALSE(utf8.empty()) << "text " << i;
        EXPECT_EQ(cp1252ToUtf8(tx(Text(i))), utf8) << "text " << i << " has no Windows-1252 form";
    }
}

TEST(Texts, theBuildSpeaksItsLanguage) {
    const std::string header = cp1252ToUtf8(tx(Text::RunHeader));
    const std::string key = tx(Text::KeyStartStaggered);
    if (kEnglish) {
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
