#include "core/common/race_time.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

std::string shortText(std::int64_t ms) {
    char buf[32];
    return formatShortTime(splitTime(ms), buf, sizeof buf);
}

std::string fullText(std::int64_t ms) {
    char buf[32];
    return formatFullTime(splitTime(ms), buf, sizeof buf);
}

TEST(RaceTime, splitsByWholeDivision) {
    const TimeParts t = splitTime(3'723'456);
    EXPECT_EQ(t.hours, 1);
    EXPECT_EQ(t.minutes, 2);
    EXPECT_EQ(t.seconds, 3);
    EXPECT_EQ(t.millis, 456);
}

TEST(RaceTime, shortFormDropsZeroHoursAndMinutes) {
    EXPECT_EQ(shortText(59'999), "59.999");
    EXPECT_EQ(shortText(62'499), "1:02.499");
    EXPECT_EQ(shortText(3'600'000), "1:00:00.000");
    EXPECT_EQ(shortText(0), "0.000");
}

TEST(RaceTime, fullFormAlwaysShowsMinutes) {
    EXPECT_EQ(fullText(59'999), "0:59.999");
    EXPECT_EQ(fullText(3'600'000), "1:00:00.000");
    EXPECT_EQ(fullText(754'321), "12:34.321");
}

TEST(RaceTime, textNeverOverflowsItsBuffer) {
    char small[6];
    formatShortTime(splitTime(3'600'000), small, sizeof small);
    EXPECT_EQ(std::string(small), "1:00:");
}

} // namespace
} // namespace racedesk
