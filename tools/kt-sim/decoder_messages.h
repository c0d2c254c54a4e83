#pragma once
#include <array>
#include <cstdint>

namespace ktsim {

// What the interface sends, byte for byte.
using Kt1Passing = std::array<std::uint8_t, 2>;
using Kt2Passing = std::array<std::uint8_t, 11>;
using Kt2Reply = std::array<std::uint8_t, 7>;

// NH NL: the time of a KT1 passing is the moment it arrives.
Kt1Passing kt1Passing(int transponder);
// FF FF FF F0 NH NL HH MM SS TH TL on the interface's clock. TH TL is the sub-second
// counter, 18661 at the start of a second and 46 875 counts a second: the smallest count
// that the program decodes back to the same millisecond.
Kt2Passing kt2Passing(int transponder, std::int64_t clockMs);
Kt2Reply identifyReply();
Kt2Reply clockResetReply();

enum class Command { Identify, KeepAlive, ClockReset, Unknown };
// The command of 5 bytes that begin FF FF FF.
Command commandOf(const std::uint8_t* bytes);
const char* nameOf(Command c);

} // namespace ktsim
