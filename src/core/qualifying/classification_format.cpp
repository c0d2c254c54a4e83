#include "core/qualifying/classification_format.h"

#include "core/common/text_builder.h"

#include <cstdio>

namespace racedesk {

std::string numberText(int value) {
    return std::to_string(value);
}

std::string roundTag(int round) {
    if (round == 0)
        return {};
    char text[16];
    TextBuilder(text, sizeof text).put('(').number(round).put(')');
    return text;
}

std::string fullTimeText(RaceTime time) {
    char text[32];
    return formatFullTime(splitTime(time), text, sizeof text);
}

std::string shortTimeText(RaceTime time) {
    char text[32];
    return formatShortTime(splitTime(time), text, sizeof text);
}

std::string formatted(ClassificationText pattern, int value) {
    char text[160];
    std::snprintf(text, sizeof text, tx(pattern), value);
    return text;
}

// A category name holds at most 54 characters: the line always fits.
std::string formatted(ClassificationText pattern, std::string_view name, int value) {
    const std::string n(name);
    char text[192];
    std::snprintf(text, sizeof text, tx(pattern), n.c_str(), value);
    return text;
}

} // namespace racedesk
