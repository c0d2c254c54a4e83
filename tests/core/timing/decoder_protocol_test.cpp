#include "core/timing/decoder_protocol.h"

#include "core/platform/clock.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace racedesk {
namespace {

using test::kt1Passing;
using test::kt2Passing;

void load(ReceiveBuffer& rx, const std::vector<std::uint8_t>& bytes, std::int64_t stamp = 0) {
    for (const std::uint8_t b : bytes) {
        rx.bytes[std::size_t(rx.count)] = b;
        rx.stamps[std::size_t(rx.count)] = stamp;
        ++rx.count;
    }
}

std::vector<std::uint8_t> kt2Raw(int transponder, int h, int m, int s, int sub) {
    return {0xFF,
            0xFF,
            0xFF,
            0xF0,
            std::uint8_t(transponder >> 8),
            std::uint8_t(transponder),
            std::uint8_t(h),
            std::uint8_t(m),
            std::uint8_t(s),
            std::uint8_t(sub >> 8),
            std::uint8_t(sub)};
}

TEST(Kt2Time, subSecondCounterSpansZeroTo999) {
    EXPECT_EQ(kt2PassingTime(0, 0, 0, 18661), 0);
    EXPECT_EQ(kt2PassingTime(0, 0, 0, 65535), 999);
    EXPECT_EQ(kt2PassingTime(0, 1, 2, 42098), 62'499); // the division truncates
    EXPECT_EQ(kt2PassingTime(2, 0, 0, 18661), 7'200'000);
}

TEST(DecodeKt2, passingGivesSixDigitTransponderAndDecoderTime) {
    ReceiveBuffer rx;
    load(rx, kt2Raw(0x1234, 0, 1, 2, 42098));
    DecodeOutput out;
    decodePassings(rx, InterfaceKind::KT2, false, {}, out);
    ASSERT_EQ(out.count, 1);
    EXPECT_EQ(out.passings[0].transponder.view(), "004660");
    EXPECT_EQ(out.passings[0].timeMs, 62'499);
    EXPECT_EQ(rx.count, 0);
}

TEST(DecodeKt2, noiseByteBeforePassingIsSkippedWithoutAPassing) {
    ReceiveBuffer rx;
    load(rx, {0x42});
    load(rx, kt2Raw(7, 0, 0, 5, 18661));
    DecodeOutput out;
    decodePassings(rx, InterfaceKind::KT2, false, {}, out);
    ASSERT_EQ(out.count, 1);
    EXPECT_EQ(out.passings[0].transponder.view(), "000007");
    EXPECT_EQ(out.passings[0].timeMs, 5000);
}

TEST(DecodeKt2, messageCutByTheEndOfAReadIsDecodedWholeFromTheNext) {
    const auto message = kt2Raw(321, 0, 0, 9, 30000);
    ReceiveBuffer rx;
    DecodeOutput out;
    load(rx, {message.begin(), message.begin() + 6});
    decodePassings(rx, InterfaceKind::KT2, false, {}, out);
    EXPECT_EQ(out.count, 0);
    EXPECT_EQ(rx.count, 6);
    load(rx, {message.begin() + 6, message.end()});
    decodePassings(rx, InterfaceKind::KT2, false, {}, out);
    ASSERT_EQ(out.count, 1);
    EXPECT_EQ(out.passings[0].transponder.view(), "000321");
}

TEST(DecodeKt2, identifyReplyAloneIsRecognisedOnlyWhileRecoveryWaits) {
    ReceiveBuffer rx;
    DecodeOutput out;
    load(rx, test::kKt2IdentifyReply);
    decodePassings(rx, InterfaceKind::KT2, true, {}, out);
    EXPECT_TRUE(out.identifyReply);
    EXPECT_TRUE(out.interfacePresent);
    EXPECT_EQ(rx.count, 0);

    rx.clear();
    load(rx, test::kKt2IdentifyReply);
    decodePassings(rx, InterfaceKind::KT2, false, {}, out);
    EXPECT_FALSE(out.identifyReply);
}

TEST(DecodeKt1, pairsAreTimedByTheArrivalOfTheirSecondByte) {
    ReceiveBuffer rx;
    load(rx, {0x03}, 1'000'000);
    load(rx, {0xE9}, 1'250'000);
    load(rx, {0x00, 0x05}, 2'000'000);
    load(rx, {0x01}, 2'000'000);
    DecodeOutput out;
    decodePassings(rx, InterfaceKind::KT1, false, TimeBase{1'000'000, 1'000'000}, out);
    ASSERT_EQ(out.count, 2);
    EXPECT_EQ(out.passings[0].transponder.view(), "001001");
    EXPECT_EQ(out.passings[0].timeMs, 250);
    EXPECT_EQ(out.passings[1].transponder.view(), "000005");
    EXPECT_EQ(out.passings[1].timeMs, 1000);
    // The odd byte waits for its partner instead of shifting every later pair.
    EXPECT_EQ(rx.count, 1);
    load(rx, {0x02}, 3'000'000);
    decodePassings(rx, InterfaceKind::KT1, false, TimeBase{1'000'000, 1'000'000}, out);
    ASSERT_EQ(out.count, 1);
    EXPECT_EQ(out.passings[0].transponder.view(), "000258");
}

TEST(DecodeKt1, aNanosecondStampAfterALongUptimeIsTimedWithoutOverflow) {
    // 200 days of a 1 GHz counter: the stamp times 1000 would not fit in 64 bits.
    const std::int64_t frequency = 1'000'000'000;
    const std::int64_t uptime = std::int64_t(200) * 86'400 * frequency;
    ReceiveBuffer rx;
    load(rx, kt1Passing(1234), uptime + 2'500'000);
    DecodeOutput out;
    decodePassings(rx, InterfaceKind::KT1, false, TimeBase{uptime - 7 * frequency, frequency}, out);
    ASSERT_EQ(out.count, 1);
    EXPECT_EQ(out.passings[0].timeMs, 7002);
    EXPECT_EQ(counterMs(0, uptime, frequency), std::int64_t(200) * 86'400'000);
    EXPECT_EQ(counterMs(0, uptime, 0), 0) << "no base: no time rather than a division by zero";
}

TEST(ReplyScan, identifyReplyCutOverTwoReadsIsRecognised) {
    ReceiveBuffer rx;
    load(rx, {0x11, 0xFF, 0xFF, 0xFF});
    EXPECT_FALSE(scanIdentifyReply(rx));
    load(rx, {0x01, 0x02, 0x00, 0x00});
    EXPECT_TRUE(scanIdentifyReply(rx));
}

TEST(ReplyScan, clockResetReplyIsFoundAmongPassings) {
    ReceiveBuffer rx;
    load(rx, kt2Raw(5, 0, 0, 1, 20000));
    load(rx, test::kKt2ClockResetReply);
    EXPECT_TRUE(scanClockResetReply(rx));
    ReceiveBuffer other;
    load(other, {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x01});
    EXPECT_FALSE(scanClockResetReply(other));
}

// Every KT2 passing must come from an FF FF FF F0 record present whole in the stream,
// however the stream is cut into reads, and no read may go outside the buffer.
TEST(DecodeProperty, randomStreamsCutAnywhereYieldOnlyWholeRecords) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> stream;
        const int length = std::uniform_int_distribution<int>(0, 600)(random);
        while (int(stream.size()) < length) {
            const int kind = std::uniform_int_distribution<int>(0, 9)(random);
            if (kind < 3) {
                const auto p = kt2Raw(std::uniform_int_distribution<int>(0, 65535)(random),
                                      std::uniform_int_distribution<int>(0, 3)(random),
                                      std::uniform_int_distribution<int>(0, 59)(random),
                                      std::uniform_int_distribution<int>(0, 59)(random),
                                      std::uniform_int_distribution<int>(18661, 65535)(random));
                stream.insert(stream.end(), p.begin(), p.end());
            } else if (kind < 5) {
                stream.insert(stream.end(), {0xFF, 0xFF, 0xFF});
            } else {
                stream.push_back(std::uint8_t(random()));
            }
        }
        // The records the stream holds, found by the same left-to-right rule on the whole.
        std::vector<std::string> expected;
        for (std::size_t at = 0; at + 11 <= stream.size();) {
            if (stream[at] == 0xFF && stream[at + 1] == 0xFF && stream[at + 2] == 0xFF &&
                stream[at + 3] == 0xF0) {
                char t[8];
                std::snprintf(t, sizeof t, "%06d", stream[at + 4] * 256 + stream[at + 5]);
                expected.emplace_back(t);
                at += 11;
            } else {
                ++at;
            }
        }
        ReceiveBuffer rx;
        DecodeOutput out;
        std::vector<std::string> decoded;
        std::size_t at = 0;
        while (at < stream.size()) {
            const int cut = std::uniform_int_distribution<int>(1, 255)(random);
            const std::size_t n =
                std::min<std::size_t>(std::size_t(std::min(cut, rx.room())), stream.size() - at);
            load(rx, {stream.begin() + long(at), stream.begin() + long(at + n)});
            at += n;
            decodePassings(rx, InterfaceKind::KT2, false, {}, out);
            for (int i = 0; i < out.count; ++i)
                decoded.emplace_back(out.passings[std::size_t(i)].transponder.view());
            ASSERT_LE(rx.count, 10);
        }
        ASSERT_EQ(decoded, expected) << "round " << round;
    }
}

TEST(DecodeProperty, randomKt1StreamsNeverKeepMoreThanOneByte) {
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        ReceiveBuffer rx;
        DecodeOutput out;
        int total = 0;
        int passings = 0;
        for (int read = 0; read < 20; ++read) {
            const int n = std::uniform_int_distribution<int>(0, rx.room())(random);
            std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n));
            for (auto& b : bytes)
                b = std::uint8_t(random());
            load(rx, bytes);
            total += n;
            decodePassings(rx, InterfaceKind::KT1, false, TimeBase{0, 1000}, out);
            passings += out.count;
            ASSERT_LE(rx.count, 1);
        }
        EXPECT_EQ(passings, total / 2);
    }
}

} // namespace
} // namespace racedesk
