#include "decoder_messages.h"

#include "core/timing/decoder_protocol.h"

#include <algorithm>

namespace ktsim {
namespace {

std::uint8_t high(int value) {
    return std::uint8_t((value >> 8) & 0xFF);
}
std::uint8_t low(int value) {
    return std::uint8_t(value & 0xFF);
}

template <std::size_t N>
bool sameCommand(const std::uint8_t* bytes, const std::array<std::uint8_t, N>& command) {
    return std::equal(command.begin(), command.end(), bytes);
}

} // namespace

Kt1Passing kt1Passing(int transponder) {
    return {high(transponder), low(transponder)};
}

Kt2Passing kt2Passing(int transponder, std::int64_t clockMs) {
    const std::int64_t seconds = clockMs / 1000;
    const std::int64_t millis = clockMs % 1000;
    const int counter = int(18661 + (millis * 375 + 7) / 8);
    return {0xFF,
            0xFF,
            0xFF,
            0xF0,
            high(transponder),
            low(transponder),
            std::uint8_t(seconds / 3600 % 256),
            std::uint8_t(seconds / 60 % 60),
            std::uint8_t(seconds % 60),
            high(counter),
            low(counter)};
}

// The last two bytes are the interface's own; the program does not look at them.
Kt2Reply identifyReply() {
    return {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x02, 0x01};
}

Kt2Reply clockResetReply() {
    return {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00};
}

Command commandOf(const std::uint8_t* bytes) {
    if (sameCommand(bytes, racedesk::kIdentifyCommand))
        return Command::Identify;
    if (sameCommand(bytes, racedesk::kKeepAliveCommand))
        return Command::KeepAlive;
    if (sameCommand(bytes, racedesk::kClockResetCommand))
        return Command::ClockReset;
    return Command::Unknown;
}

const char* nameOf(Command c) {
    switch (c) {
    case Command::Identify:
        return "identify";
    case Command::KeepAlive:
        return "keepalive";
    case Command::ClockReset:
        return "reset";
    case Command::Unknown:
        return "unknown";
    }
    return "unknown";
}

} // namespace ktsim
