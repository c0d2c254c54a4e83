#include "core/common/cp1252.h"
#include "core/qualifying/qualifying_texts.h"

#include "text_table_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

TEST(QualifyingTexts, everyTextIsDefinedAndSurvivesTheCodePage) {
    test::expectCompleteTable<QualifyingText>();
}

TEST(QualifyingTexts, theBuildSpeaksItsLanguage) {
    const std::string caption = cp1252ToUtf8(tx(QualifyingText::ParametersCaption));
    const std::string group = cp1252ToUtf8(tx(QualifyingText::TimeEndGroup));
    if (test::kEnglish) {
        EXPECT_EQ(caption, "Qualification race options");
        EXPECT_EQ(group, "If heat duration = time");
    } else {
        EXPECT_EQ(caption, "Options de course qualifications");
        EXPECT_EQ(group, "Si durée série = temps");
        EXPECT_EQ(cp1252ToUtf8(tx(QualifyingText::EditableOrder)), "Positions modifiables (ABC..)");
    }
    EXPECT_EQ(std::string(tx(QualifyingText::CalculatorDuration)), "%dh%02dmin");
}

} // namespace
} // namespace racedesk
