#include "core/common/field_reader.h"

#include <cstdint>
#include <limits>

namespace racedesk {
namespace {

bool isWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::string_view FieldReader::text() {
    const std::size_t start = pos_;
    while (pos_ < data_.size() && data_[pos_] != '\t' && !isLineEnd(data_[pos_]))
        ++pos_;
    const std::string_view field = data_.substr(start, pos_ - start);
    if (pos_ < data_.size() && data_[pos_] == '\t')
        ++pos_;
    return field;
}

bool FieldReader::integer(int& value) {
    value = 0;
    while (pos_ < data_.size() && data_[pos_] != '\t' && isWhiteSpace(data_[pos_]))
        ++pos_;
    std::size_t p = pos_;
    bool negative = false;
    if (p < data_.size() && (data_[p] == '-' || data_[p] == '+')) {
        negative = data_[p] == '-';
        ++p;
    }
    const std::size_t digits = p;
    std::int64_t v = 0;
    while (p < data_.size() && data_[p] >= '0' && data_[p] <= '9') {
        if (v <= std::numeric_limits<int>::max())
            v = v * 10 + (data_[p] - '0');
        ++p;
    }
    if (p == digits) {
        // An empty field: its tab is taken, so the next field is read where it stands.
        if (pos_ < data_.size() && data_[pos_] == '\t')
            ++pos_;
        return false;
    }
    if (v > std::numeric_limits<int>::max())
        v = std::numeric_limits<int>::max();
    value = static_cast<int>(negative ? -v : v);
    pos_ = p;
    if (pos_ < data_.size() && data_[pos_] == '\t')
        ++pos_;
    return true;
}

bool FieldReader::scanInteger(int& value) {
    skipWhiteSpace();
    return integer(value);
}

std::string_view FieldReader::token() {
    skipWhiteSpace();
    const std::size_t start = pos_;
    while (pos_ < data_.size() && !isWhiteSpace(data_[pos_]))
        ++pos_;
    return data_.substr(start, pos_ - start);
}

void FieldReader::skipLine() {
    while (pos_ < data_.size() && data_[pos_] != '\n')
        ++pos_;
    if (pos_ < data_.size())
        ++pos_;
}

std::string_view FieldReader::line() {
    const std::size_t start = pos_;
    while (pos_ < data_.size() && !isLineEnd(data_[pos_]))
        ++pos_;
    const std::string_view content = data_.substr(start, pos_ - start);
    skipLine();
    return content;
}

void FieldReader::skipWhiteSpace() {
    while (pos_ < data_.size() && isWhiteSpace(data_[pos_]))
        ++pos_;
}

} // namespace racedesk
