#pragma once
#include <string_view>

namespace racedesk {

// A number edit field of a dialog: at most `digits` characters, its value held within
// low..high as the director types.
struct NumberField {
    int digits;
    int low;
    int high;
};

// What a typed text stands for. A value above the field's top is brought down to it and the
// field must then show it in place of what was typed; a value below the bottom is brought up
// silently, so the director can type over a lone 0 without the field changing under the
// cursor.
struct TypedNumber {
    int value = 0;
    bool showValue = false;
};

// The leading digits of the text, at most the field's, read as a decimal number (0 when the
// text does not start with a digit), then held within the field's limits.
TypedNumber typedNumber(const NumberField& field, std::string_view text);
// The same, stored into `value`; nothing when the control has no number (either is null).
TypedNumber typeInto(int* value, const NumberField* field, std::string_view text);

} // namespace racedesk
