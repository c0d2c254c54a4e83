#include "core/common/race_time.h"

#include "core/common/text_builder.h"

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
    if (t.hours != 0 || t.minutes != 0)
        return formatFullTime(t, buf, size);
    TextBuilder(buf, size).number(t.seconds).put('.').number(t.millis, 3);
    return buf;
}

char* formatFullTime(const TimeParts& t, char* buf, int size) {
    TextBuilder text(buf, size);
    if (t.hours != 0)
        text.number(t.hours).put(':').number(t.minutes, 2);
    else
        text.number(t.minutes);
    text.put(':').number(t.seconds, 2).put('.').number(t.millis, 3);
    return buf;
}

} // namespace racedesk
