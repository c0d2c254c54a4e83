#include "core/common/leading_number.h"

namespace racedesk {

int leadingNumber(std::string_view text, int digits) {
    int value = 0;
    for (std::size_t i = 0; i < text.size() && int(i) < digits; ++i) {
        if (text[i] < '0' || text[i] > '9')
            break;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace racedesk
