#include "platform/stamped_byte_ring.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace racedesk {
namespace {

struct Taken {
    std::vector<std::uint8_t> bytes;
    std::vector<std::int64_t> stamps;
};

Taken take(StampedByteRing& ring, int maxCount) {
    std::array<std::uint8_t, 64> bytes{};
    std::array<std::int64_t, 64> stamps{};
    const int n = ring.take(bytes.data(), stamps.data(), maxCount);
    return {{bytes.begin(), bytes.begin() + n}, {stamps.begin(), stamps.begin() + n}};
}

TEST(StampedByteRing, chunksComeOutOldestFirstWithTheirOwnStamps) {
    StampedByteRing ring(16);
    const std::uint8_t first[] = {1, 2, 3};
    const std::uint8_t second[] = {4, 5};
    ring.push(first, 3, 100);
    ring.push(second, 2, 250);

    const Taken t = take(ring, 64);

    EXPECT_EQ(t.bytes, (std::vector<std::uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(t.stamps, (std::vector<std::int64_t>{100, 100, 100, 250, 250}));
    EXPECT_EQ(ring.size(), 0);
}

TEST(StampedByteRing, takeHandsOverNoMoreThanAskedAndKeepsTheRestInOrder) {
    StampedByteRing ring(16);
    const std::uint8_t bytes[] = {1, 2, 3, 4, 5};
    ring.push(bytes, 5, 7);

    EXPECT_EQ(take(ring, 2).bytes, (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(take(ring, 64).bytes, (std::vector<std::uint8_t>{3, 4, 5}));
    EXPECT_TRUE(take(ring, 64).bytes.empty());
}

TEST(StampedByteRing, bytesWrapAroundTheEndOfTheStorage) {
    StampedByteRing ring(4);
    const std::uint8_t a[] = {1, 2, 3};
    const std::uint8_t b[] = {4, 5, 6};
    ring.push(a, 3, 10);
    take(ring, 2);
    ring.push(b, 3, 20);

    const Taken t = take(ring, 64);

    EXPECT_EQ(t.bytes, (std::vector<std::uint8_t>{3, 4, 5, 6}));
    EXPECT_EQ(t.stamps, (std::vector<std::int64_t>{10, 20, 20, 20}));
    EXPECT_EQ(ring.dropped(), 0);
}

TEST(StampedByteRing, whenFullTheOldestBytesGiveWayToTheNewest) {
    StampedByteRing ring(4);
    const std::uint8_t a[] = {1, 2, 3};
    const std::uint8_t b[] = {4, 5, 6};
    ring.push(a, 3, 10);
    ring.push(b, 3, 20);

    const Taken t = take(ring, 64);

    EXPECT_EQ(t.bytes, (std::vector<std::uint8_t>{3, 4, 5, 6}));
    EXPECT_EQ(t.stamps, (std::vector<std::int64_t>{10, 20, 20, 20}));
    EXPECT_EQ(ring.dropped(), 2);
    EXPECT_EQ(ring.capacity(), 4);
}

TEST(StampedByteRing, clearDropsEverythingWaiting) {
    StampedByteRing ring(8);
    const std::uint8_t a[] = {1, 2, 3};
    ring.push(a, 3, 10);
    ring.clear();

    EXPECT_EQ(ring.size(), 0);
    EXPECT_TRUE(take(ring, 64).bytes.empty());
    ring.push(a, 1, 30);
    EXPECT_EQ(take(ring, 64).stamps, (std::vector<std::int64_t>{30}));
}

} // namespace
} // namespace racedesk
