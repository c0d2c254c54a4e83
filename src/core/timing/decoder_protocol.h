#pragma once
#include "core/timing/passing.h"

#include <array>
#include <cstdint>

namespace racedesk {

// Commands from the computer to the interface.
inline constexpr std::array<std::uint8_t, 5> kIdentifyCommand = {0xFF, 0xFF, 0xFF, 0x01, 0x02};
inline constexpr std::array<std::uint8_t, 5> kKeepAliveCommand = {0xFF, 0xFF, 0xFF, 0xE0, 0x04};
inline constexpr std::array<std::uint8_t, 5> kClockResetCommand = {0xFF, 0xFF, 0xFF, 0x02, 0x00};

inline constexpr int kMaxRead = 255;
inline constexpr int kKt1MessageSize = 2;
inline constexpr int kKt2PassingSize = 11;
inline constexpr int kReplySize = 7;

// The bytes of the current read, behind the unread tail of the previous one.
// A message cut by the end of a read is decoded whole once its last bytes arrive:
// at 9600 baud an 11-byte passing takes longer than the 10 ms tick to arrive.
struct ReceiveBuffer {
    static constexpr int kCapacity = kMaxRead + 16;
    std::array<std::uint8_t, kCapacity> bytes{};
    std::array<std::int64_t, kCapacity> stamps{};
    int count = 0;

    void clear() { count = 0; }
    // Room for one read behind the tail; never more than kMaxRead.
    int room() const;
    // Drops the first n bytes, keeping what follows at the front.
    void consume(int n);
};

enum class InterfaceKind { KT1, KT2 };

// Where KT1 passing times come from: host clock since the time base.
struct TimeBase {
    std::int64_t counter = 0;
    std::int64_t frequency = 1;
};

struct DecodeOutput {
    static constexpr int kCapacity = ReceiveBuffer::kCapacity / kKt1MessageSize + 1;
    std::array<Passing, kCapacity> passings{};
    int count = 0;
    bool identifyReply = false;    // an FF FF FF 01 reply was seen (recovery only)
    bool interfacePresent = false; // ... with 02 as its fifth byte
};

// Splits the buffer into passings; leaves in it the tail too short to hold a whole message.
// While a recovery waits, KT2 identify replies are recognised too.
void decodePassings(ReceiveBuffer& rx, InterfaceKind kind, bool recoveryWaiting,
                    const TimeBase& base, DecodeOutput& out);

// Scans 7-byte windows for FF FF FF 01 02 (identify reply) or FF FF FF 02 00 00 00 (clock
// reset reply). Keeps the last bytes that could begin a reply, so a reply cut between two
// reads is still recognised; on success the buffer is emptied.
bool scanIdentifyReply(ReceiveBuffer& rx);
bool scanClockResetReply(ReceiveBuffer& rx);

// The sub-second counter runs from 18661 to 65535 at 46 875 counts per second.
std::int64_t kt2PassingTime(int hours, int minutes, int seconds, int subSecond);

} // namespace racedesk
