#include "core/databases/name_order.h"

namespace racedesk {

char lowerAsciiLetter(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

int compareNameKeys(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(lowerAsciiLetter(a[i]));
        const auto y = static_cast<unsigned char>(lowerAsciiLetter(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && compareNameKeys(a, b) == 0;
}

bool goesBefore(std::string_view a, std::size_t aAt, std::string_view b, std::size_t bAt) {
    if (a.empty() != b.empty())
        return b.empty();
    const int order = compareNameKeys(a, b);
    if (order != 0)
        return order < 0;
    return aAt > bAt;
}

} // namespace racedesk
