#include "core/race/section_titles.h"
#include "race_file_layout.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::kCat;

const std::string kFinals = "Remont\xE9"
                            "es";

TEST(SectionTitles, categorySectionsCarryTheirNumbersInWindows1252) {
    EXPECT_EQ(participantsTitle(3), kCat + "3ListeParticipants");
    EXPECT_EQ(qualifyingParametersTitle(1), kCat + "1QualifsParam\xE8tres");
    EXPECT_EQ(heatCompositionTitle(9), kCat + "9R\xE9partitionQualifs");
    EXPECT_EQ(startingGridsTitle(2), kCat + "2GrilleD\xE9partQualifs");
    EXPECT_EQ(heatTitle(1, 2, 10), kCat + "1M2S10");
    EXPECT_EQ(roundClassificationTitle(4, 9), kCat + "4M9Classement");
    EXPECT_EQ(overallClassificationTitle(5), kCat + "5ClassementFinalQualifs");
    EXPECT_EQ(finalsParametersTitle(6), kCat + "6" + kFinals + "Param\xE8tres");
    EXPECT_EQ(finalsCompositionTitle(7), kCat + "7R\xE9partition" + kFinals);
}

TEST(SectionTitles, finalsAreNamedByTwoToThePowerOfTheirLevel) {
    EXPECT_EQ(finalTitle(1, 1, true), kCat + "1" + kFinals + "2A");
    EXPECT_EQ(finalTitle(1, 3, false), kCat + "1" + kFinals + "8B");
    EXPECT_EQ(finalTitle(2, 11, true), kCat + "2" + kFinals + "2048A");
    EXPECT_EQ(finaleTitle(3), kCat + "3" + kFinals + "Finale");
    // No section lies outside the ladder.
    EXPECT_EQ(finalTitle(1, 0, true), "");
    EXPECT_EQ(finalTitle(1, 12, true), "");
}

TEST(SectionTitles, aRunTitleNamesAFinalWhenItHoldsTheFinalsWord) {
    EXPECT_TRUE(isFinalRunTitle(finalTitle(1, 2, false)));
    EXPECT_TRUE(isFinalRunTitle(finaleTitle(1)));
    EXPECT_FALSE(isFinalRunTitle(heatTitle(1, 1, 1)));
}

} // namespace
} // namespace racedesk
