#include "core/race/heat_flags.h"
#include "section_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <tuple>
#include <vector>

namespace racedesk {
namespace {

// The flag's position on the line, counted by hand from the layout: nine categories of 180
// heat flags then 23 finals flags.
std::size_t heatPosition(int category, int round, int heat) {
    return std::size_t((category - 1) * 203 + (round - 1) * 20 + heat - 1);
}
std::size_t finalPosition(int category, int indexInFinals) {
    return std::size_t((category - 1) * 203 + 180 + indexInFinals);
}

std::string flagLine(const std::vector<std::size_t>& set) {
    std::string line;
    for (std::size_t i = 0; i < 1827; ++i) {
        const bool on = std::find(set.begin(), set.end(), i) != set.end();
        line += on ? "1\t" : "0\t";
    }
    return line + "\r\n";
}

class HeatFlagsTest : public test::NewRaceFileTest {};

TEST_F(HeatFlagsTest, newRaceHoldsNoFlagAndWritesInPlace) {
    SectionFile file(path());
    HeatFlags flags;
    setHeatFlag(flags, 1, 1, 1, true); // overwritten by the read
    ASSERT_TRUE(readHeatFlags(file, flags));
    EXPECT_FALSE(heatFlag(flags, 1, 1, 1));

    setHeatFlag(flags, 1, 1, 1, true);
    setHeatFlag(flags, 2, 9, 20, true);
    setFinalFlag(flags, 1, 0, false, true);  // the Final
    setFinalFlag(flags, 3, 1, true, true);   // 1/2 A
    setFinalFlag(flags, 9, 11, false, true); // 1/2048 B
    ASSERT_EQ(writeHeatFlags(file, flags), WriteStatus::Written);

    const std::string expected = test::areaBytes(
        1830, flagLine({heatPosition(1, 1, 1), heatPosition(2, 9, 20), finalPosition(1, 0),
                        finalPosition(3, 1), finalPosition(9, 22)}));
    const std::string bytes = read();
    ASSERT_EQ(bytes.size(), newRaceFileBytes().size());
    EXPECT_EQ(bytes.substr(bytes.size() - expected.size()), expected);

    HeatFlags back;
    ASSERT_TRUE(readHeatFlags(file, back));
    EXPECT_TRUE(heatFlag(back, 2, 9, 20));
    EXPECT_FALSE(heatFlag(back, 2, 9, 19));
    EXPECT_TRUE(finalFlag(back, 1, 0, true));
    EXPECT_TRUE(finalFlag(back, 3, 1, true));
    EXPECT_FALSE(finalFlag(back, 3, 1, false));
    EXPECT_TRUE(finalFlag(back, 9, 11, false));
}

TEST(HeatFlags, emptyFlagsComposeAsTheNewRaceLine) {
    const std::string composed = composeHeatFlags(HeatFlags{});
    EXPECT_NE(newRaceFileBytes().find(composed), std::string::npos);
    EXPECT_EQ(composed, flagLine({}));
}

TEST(HeatFlags, flagsOutsideTheTableAreNeverTouched) {
    HeatFlags flags;
    const std::initializer_list<std::tuple<int, int, int>> outside = {
        {0, 1, 1}, {10, 1, 1}, {1, 0, 1}, {1, 10, 1}, {1, 1, 0}, {1, 1, 21}};
    for (const auto& [category, round, heat] : outside)
        setHeatFlag(flags, category, round, heat, true);
    setFinalFlag(flags, 1, -1, true, true);
    setFinalFlag(flags, 1, 12, true, true);
    setFinalFlag(flags, 0, 1, true, true);
    EXPECT_EQ(composeHeatFlags(flags), flagLine({}));
    EXPECT_FALSE(heatFlag(flags, 1, 1, 21));
    EXPECT_FALSE(finalFlag(flags, 10, 0, true));
}

TEST(HeatFlags, damagedValuesReadAsSetOnlyAboveZero) {
    const HeatFlags flags = parseHeatFlags("7\t-1\t\t1\t");
    EXPECT_TRUE(heatFlag(flags, 1, 1, 1));
    EXPECT_FALSE(heatFlag(flags, 1, 1, 2));
    EXPECT_FALSE(heatFlag(flags, 1, 1, 3));
    EXPECT_TRUE(heatFlag(flags, 1, 1, 4));
    EXPECT_FALSE(heatFlag(flags, 1, 1, 5));
}

} // namespace
} // namespace racedesk
