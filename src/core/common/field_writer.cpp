#include "core/common/field_writer.h"

#include <charconv>

namespace racedesk {

namespace {

char spacedOut(char c) {
    return c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
}

} // namespace

void FieldWriter::text(std::string_view field) {
    for (const char c : field)
        out_.push_back(spacedOut(c));
    out_.push_back('\t');
}

void FieldWriter::line(std::string_view text) {
    for (const char c : text)
        out_.push_back(spacedOut(c));
    endLine();
}

void FieldWriter::integer(int value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out_.append(digits, result.ptr);
    out_.push_back('\t');
}

} // namespace racedesk
