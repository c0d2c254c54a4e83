#include "core/qualifying/typed_number.h"

#include "core/common/leading_number.h"

namespace racedesk {

TypedNumber typedNumber(const NumberField& field, std::string_view text) {
    const int value = leadingNumber(text, field.digits);
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
