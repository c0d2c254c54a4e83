#include "platform/system_clock.h"

#include <QDateTime>

#include <chrono>
#include <thread>

namespace racedesk {

std::int64_t monotonicNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::int64_t SystemClock::tickMs() {
    return monotonicNanoseconds() / 1'000'000;
}

std::int64_t SystemClock::counter() {
    return monotonicNanoseconds();
}

std::int64_t SystemClock::counterFrequency() {
    return 1'000'000'000;
}

LocalDateTime SystemClock::localNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
}

void SystemClock::pause() {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
}

} // namespace racedesk
