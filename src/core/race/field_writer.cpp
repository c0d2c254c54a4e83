#include "core/race/field_writer.h"

#include <charconv>

namespace racedesk {

void FieldWriter::text(std::string_view field) {
    for (const char c : field)
        out_.push_back(c == '\t' || c == '\r' || c == '\n' ? ' ' : c);
    out_.push_back('\t');
}

void FieldWriter::integer(int value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out_.append(digits, result.ptr);
    out_.push_back('\t');
}

} // namespace racedesk
