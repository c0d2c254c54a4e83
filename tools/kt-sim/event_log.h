#pragma once
#include <cstdint>
#include <cstdio>

namespace ktsim {

// The machine's monotonic clock in microseconds: the time line of the program's
// high-resolution counter, so that a test can set the two side by side.
std::int64_t monotonicMicros();

// One line per event, "<microseconds> <event> <details>", flushed at once so that a test
// reading the file sees each event as soon as it happened.
class EventLog {
public:
    explicit EventLog(std::FILE* out) : out_(out) {}
    void at(std::int64_t micros, const char* format, ...) __attribute__((format(printf, 3, 4)));

private:
    std::FILE* out_;
};

} // namespace ktsim
