#include "core/race/section_area.h"
#include "race_file_layout.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::units;

TEST(SectionArea, emptyContentIsAllFillerAndTheLineEnd) {
    EXPECT_EQ(composeArea(3, ""), "1\t1\t1\t\r\n");
    EXPECT_EQ(areaSize(3), 8u);
    EXPECT_EQ(composeArea(0, ""), "\r\n");
}

TEST(SectionArea, contentIsFollowedByWhatRemainsOfTheFiller) {
    EXPECT_EQ(composeArea(5, "7\t8\t\r\n"), "7\t8\t\r\n" + units(2) + "\r\n");
    // An odd length leaves half a unit: its tab.
    EXPECT_EQ(composeArea(4, "ab\t"), "ab\t\t" + units(2) + "\r\n");
}

TEST(SectionArea, contentFillingEveryUnitKeepsTheAreaLineEnd) {
    const std::string content = "12345\t7890\r\n"; // 2·6 bytes
    EXPECT_EQ(composeArea(6, content), content + "\r\n");
}

TEST(SectionArea, contentLongerThanTheUnitsGetsJustEnoughUnits) {
    const std::string content = "abcdefghi\t\r\n"; // 12 bytes, 5 units asked
    EXPECT_EQ(composeArea(5, content), content + "\r\n");
    EXPECT_EQ(composeArea(5, content + "x"), content + "x\t\r\n");
}

TEST(SectionArea, newSectionIsAnEmptyLineTheTitleLineAndTheArea) {
    std::string out = "head\r\n";
    appendSection(out, "PisteCourse", "1\t\r\n");
    EXPECT_EQ(out, "head\r\n\r\nPisteCourse\t\r\n1\t\r\n");
}

} // namespace
} // namespace racedesk
