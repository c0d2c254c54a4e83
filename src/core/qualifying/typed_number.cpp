#include "core/qualifying/typed_number.h"

namespace racedesk {

TypedNumber typedNumber(const NumberField& field, std::string_view text) {
    int value = 0;
    for (std::size_t i = 0; i < text.size() && int(i) < field.digits; ++i) {
        if (text[i] < '0' || text[i] > '9')
            break;
        value = value * 10 + (text[i] - '0');
    }
    if (value > field.high)
        return {field.high, true};
    if (value < field.low)
        return {field.low, false};
    return {value, false};
}

TypedNumber typeInto(int* value, const NumberField* field, std::string_view text) {
    if (value == nullptr || field == nullptr)
        return {};
    const TypedNumber typed = typedNumber(*field, text);
    *value = typed.value;
    return typed;
}

} // namespace racedesk
