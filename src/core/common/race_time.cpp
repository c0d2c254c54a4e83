#include "core/common/race_time.h"

#include <cstdio>

namespace racedesk {

TimeParts splitTime(std::int64_t ms) {
    TimeParts t;
    t.hours = static_cast<int>(ms / 3'600'000);
    ms -= std::int64_t{t.hours} * 3'600'000;
    t.minutes = static_cast<int>(ms / 60'000);
    ms -= std::int64_t{t.minutes} * 60'000;
    t.seconds = static_cast<int>(ms / 1000);
    t.millis = static_cast<int>(ms - std::int64_t{t.seconds} * 1000);
    return t;
}

char* formatShortTime(const TimeParts& t, char* buf, int size) {
    if (t.hours == 0 && t.minutes == 0) {
        std::snprintf(buf, static_cast<std::size_t>(size), "%d.%03d", t.seconds, t.millis);
        return buf;
    }
    return formatFullTime(t, buf, size);
}

char* formatFullTime(const TimeParts& t, char* buf, int size) {
    const auto n = static_cast<std::size_t>(size);
    if (t.hours != 0)
        std::snprintf(buf, n, "%d:%02d:%02d.%03d", t.hours, t.minutes, t.seconds, t.millis);
    else
        std::snprintf(buf, n, "%d:%02d.%03d", t.minutes, t.seconds, t.millis);
    return buf;
}

} // namespace racedesk
