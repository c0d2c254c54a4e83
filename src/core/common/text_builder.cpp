#include "core/common/text_builder.h"

namespace racedesk {

TextBuilder& TextBuilder::put(char c) {
    if (len_ + 1 < size_) {
        buf_[len_++] = c;
        buf_[len_] = '\0';
    }
    return *this;
}

TextBuilder& TextBuilder::put(std::string_view s) {
    for (const char c : s)
        put(c);
    return *this;
}

TextBuilder& TextBuilder::number(std::int64_t value, int minDigits) {
    char digits[24];
    int n = 0;
    // Negative values are built from their magnitude as unsigned, so the smallest works too.
    std::uint64_t magnitude = value < 0 ? 0 - std::uint64_t(value) : std::uint64_t(value);
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0 && n < 20);
    while (n < minDigits && n < 20)
        digits[n++] = '0';
    if (value < 0)
        put('-');
    while (n > 0)
        put(digits[--n]);
    return *this;
}

} // namespace racedesk
