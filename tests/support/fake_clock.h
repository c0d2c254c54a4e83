#pragma once
#include "core/platform/clock.h"

namespace racedesk::test {

// A clock that moves only when the test (or a wait on the decoder) moves it.
// Its counter runs at 1 MHz; the tick count and the counter share one time line.
class FakeClock : public Clock {
public:
    std::int64_t tickMs() override { return micros_ / 1000; }
    std::int64_t counter() override { return micros_; }
    std::int64_t counterFrequency() override { return 1'000'000; }
    LocalDateTime localNow() override { return date; }
    void pause() override {
        micros_ += pauseMicros;
        ++pauses;
    }

    void advanceMs(std::int64_t ms) { micros_ += ms * 1000; }
    void advanceMicros(std::int64_t us) { micros_ += us; }
    std::int64_t nowMicros() const { return micros_; }

    LocalDateTime date{2027, 3, 3, 9, 5, 0};
    std::int64_t pauseMicros = 1000;
    int pauses = 0;

private:
    std::int64_t micros_ = 1'000'000'000; // far from zero, as a real tick count is
};

} // namespace racedesk::test
