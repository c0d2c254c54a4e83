#include "core/race/section_reading.h"

#include <algorithm>

namespace racedesk {

std::string_view nextFilledLine(FieldReader& in) {
    while (!in.atEnd()) {
        const std::string_view line = in.line();
        if (!line.empty())
            return line;
    }
    return {};
}

void readInteger(FieldReader& in, int& value) {
    int read = 0;
    if (in.integer(read))
        value = read;
}

bool readTime(FieldReader& in, RaceTime& time) {
    int read = 0;
    if (!in.integer(read))
        return false;
    time = std::clamp(read, 0, kNoTime);
    return true;
}

void readClamped(FieldReader& in, int& value, int low, int high) {
    int read = 0;
    if (in.integer(read))
        value = std::clamp(read, low, high);
}

} // namespace racedesk
