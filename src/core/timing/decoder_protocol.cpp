#include "core/timing/decoder_protocol.h"

#include "core/common/text_builder.h"
#include "core/platform/clock.h"

#include <algorithm>
#include <cstring>

namespace racedesk {
namespace {

bool startsWith(const ReceiveBuffer& rx, int at, const std::uint8_t* prefix, int n) {
    return at + n <= rx.count && std::memcmp(rx.bytes.data() + at, prefix, std::size_t(n)) == 0;
}

constexpr std::uint8_t kPassingSync[] = {0xFF, 0xFF, 0xFF, 0xF0};
constexpr std::uint8_t kIdentifySync[] = {0xFF, 0xFF, 0xFF, 0x01};
constexpr std::uint8_t kIdentifyReply[] = {0xFF, 0xFF, 0xFF, 0x01, 0x02};
constexpr std::uint8_t kResetReply[] = {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00};

void setTransponder(Passing& p, int number) {
    TextBuilder(p.transponder.data, int(sizeof p.transponder.data)).number(number, 6);
}

Passing& nextPassing(DecodeOutput& out) {
    return out.passings[std::size_t(out.count++)];
}

int decodeKt1(const ReceiveBuffer& rx, const TimeBase& base, DecodeOutput& out) {
    int at = 0;
    while (rx.count - at >= kKt1MessageSize && out.count < DecodeOutput::kCapacity) {
        Passing& p = nextPassing(out);
        setTransponder(p, rx.bytes[std::size_t(at)] * 256 + rx.bytes[std::size_t(at + 1)]);
        // Stamped when its last byte arrived, not when the tick decodes it.
        p.timeMs = counterMs(base.counter, rx.stamps[std::size_t(at + 1)], base.frequency);
        at += kKt1MessageSize;
    }
    return at;
}

int decodeKt2(const ReceiveBuffer& rx, bool recoveryWaiting, DecodeOutput& out) {
    int at = 0;
    while (at < rx.count) {
        const int remaining = rx.count - at;
        if (recoveryWaiting && remaining >= kReplySize && startsWith(rx, at, kIdentifySync, 4)) {
            out.identifyReply = true;
            out.interfacePresent = out.interfacePresent || rx.bytes[std::size_t(at + 4)] == 0x02;
            at += kReplySize;
            continue;
        }
        if (remaining < kKt2PassingSize)
            break;
        if (!startsWith(rx, at, kPassingSync, 4)) {
            ++at; // noise: skipped byte by byte, it yields no passing
            continue;
        }
        if (out.count >= DecodeOutput::kCapacity)
            break;
        const std::uint8_t* m = rx.bytes.data() + at;
        Passing& p = nextPassing(out);
        setTransponder(p, m[4] * 256 + m[5]);
        p.timeMs = kt2PassingTime(m[6], m[7], m[8], m[9] * 256 + m[10]);
        at += kKt2PassingSize;
    }
    return at;
}

// Scans 7-byte windows from the start. A window beginning FF FF FF 01 is an identify reply
// and is stepped over whole; any other window advances one byte. Gives the offset just after
// the wanted reply, or -1 with 'scanned' where the scan stopped (fewer than 7 bytes left).
template <typename Wanted> int findReply(const ReceiveBuffer& rx, Wanted wanted, int& scanned) {
    int at = 0;
    while (rx.count - at >= kReplySize) {
        if (wanted(at))
            return at + kReplySize;
        at += startsWith(rx, at, kIdentifySync, 4) ? kReplySize : 1;
    }
    scanned = at;
    return -1;
}

} // namespace

int ReceiveBuffer::room() const {
    return std::min(kMaxRead, kCapacity - count);
}

void ReceiveBuffer::consume(int n) {
    n = std::clamp(n, 0, count);
    const auto rest = std::size_t(count - n);
    std::memmove(bytes.data(), bytes.data() + n, rest);
    std::memmove(stamps.data(), stamps.data() + n, rest * sizeof(std::int64_t));
    count -= n;
}

std::int64_t kt2PassingTime(int hours, int minutes, int seconds, int subSecond) {
    const std::int64_t ms = std::int64_t(subSecond - 18661) * 256 / 12000;
    return std::int64_t(hours) * 3'600'000 + minutes * 60'000 + seconds * 1000 + ms;
}

void decodePassings(ReceiveBuffer& rx, InterfaceKind kind, bool recoveryWaiting,
                    const TimeBase& base, DecodeOutput& out) {
    out.count = 0;
    out.identifyReply = false;
    out.interfacePresent = false;
    const int used =
        kind == InterfaceKind::KT1 ? decodeKt1(rx, base, out) : decodeKt2(rx, recoveryWaiting, out);
    rx.consume(used);
}

bool scanIdentifyReply(ReceiveBuffer& rx) {
    int scanned = 0;
    const bool found =
        findReply(
            rx, [&](int at) { return startsWith(rx, at, kIdentifyReply, 5); }, scanned) >= 0;
    rx.consume(found ? rx.count : scanned);
    return found;
}

bool scanClockResetReply(ReceiveBuffer& rx) {
    int scanned = 0;
    const bool found =
        findReply(
            rx, [&](int at) { return startsWith(rx, at, kResetReply, kReplySize); }, scanned) >= 0;
    rx.consume(found ? rx.count : scanned);
    return found;
}

} // namespace racedesk
