#pragma once
#include "core/platform/clock.h"

#include <cstdint>

namespace racedesk {

// The machine's monotonic clock in nanoseconds: the high-resolution counter of the program.
// The serial reader thread stamps arriving bytes with it too.
std::int64_t monotonicNanoseconds();

class SystemClock : public Clock {
public:
    std::int64_t tickMs() override;
    std::int64_t counter() override;
    std::int64_t counterFrequency() override;
    LocalDateTime localNow() override;
    void pause() override;
};

} // namespace racedesk
