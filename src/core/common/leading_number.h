#pragma once
#include <string_view>

namespace racedesk {

// What a number edit field's text stands for: its leading decimal digits, at most `digits` of
// them; 0 when the text does not start with a digit.
int leadingNumber(std::string_view text, int digits);

} // namespace racedesk
