#include "core/reports/page_titles.h"

#include "core/common/texts.h"

#include <cstdio>

namespace racedesk {
namespace {

// The names are fixed-width fields of at most 48 characters: the lines always fit.
std::string format(Text pattern, std::string_view first, std::string_view second = {}) {
    const std::string a(first);
    const std::string b(second);
    char text[256];
    std::snprintf(text, sizeof text, tx(pattern), a.c_str(), b.c_str());
    return text;
}

} // namespace

std::string categoryTitle(std::string_view categoryName) {
    return format(Text::CategoryTitle, categoryName);
}

std::string raceLine(std::string_view raceName, std::string_view circuitName) {
    return format(Text::RaceLine, raceName, circuitName);
}

} // namespace racedesk
