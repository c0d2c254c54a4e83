#include "event_log.h"

#include <cstdarg>
#include <ctime>

namespace ktsim {

std::int64_t monotonicMicros() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1'000'000 + t.tv_nsec / 1000;
}

void EventLog::at(std::int64_t micros, const char* format, ...) {
    std::fprintf(out_, "%lld ", static_cast<long long>(micros));
    va_list args;
    va_start(args, format);
    std::vfprintf(out_, format, args);
    va_end(args);
    std::fputc('\n', out_);
    std::fflush(out_);
}

} // namespace ktsim
