#pragma once
#include <string_view>

namespace racedesk {

// The text without the spaces that pad it on either side, as fixed-width fields and titles
// framed by spaces hold it.
constexpr std::string_view withoutOuterSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace racedesk
