#pragma once
#include <cstdint>

namespace racedesk {

struct LocalDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Time as the program sees it: a millisecond tick count for the run clocks, a high-resolution
// counter for decoder timing and the waits on the decoder, and the local date and time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t tickMs() = 0;
    virtual std::int64_t counter() = 0;
    virtual std::int64_t counterFrequency() = 0;
    virtual LocalDateTime localNow() = 0;
    // Called on each pass of a wait on the decoder, so the wait does not spin the processor.
    // A real clock sleeps a fraction of a millisecond; a test clock moves time on.
    virtual void pause() = 0;
};

// Milliseconds between two counter values. Whole seconds and the rest are scaled apart, so a
// difference the size of a long uptime at a nanosecond frequency cannot overflow.
inline std::int64_t counterMs(std::int64_t from, std::int64_t to, std::int64_t frequency) {
    if (frequency <= 0)
        return 0;
    const std::int64_t d = to - from;
    return d / frequency * 1000 + d % frequency * 1000 / frequency;
}

} // namespace racedesk
