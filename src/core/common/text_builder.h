#pragma once
#include <cstdint>
#include <string_view>

namespace racedesk {

// Builds a short text into a caller's buffer, always zero-terminated and never past its
// size. Faster than snprintf for the board's many small numbers, and it never allocates.
class TextBuilder {
public:
    TextBuilder(char* buffer, int size) : buf_(buffer), size_(size) {
        if (size_ > 0)
            buf_[0] = '\0';
    }

    TextBuilder& put(char c);
    TextBuilder& put(std::string_view s);
    // A decimal number, zero-padded to at least minDigits digits ("%02d" is minDigits 2).
    TextBuilder& number(std::int64_t value, int minDigits = 1);

    const char* c_str() const { return buf_; }
    int length() const { return len_; }

private:
    char* buf_;
    int size_;
    int len_ = 0;
};

} // namespace racedesk
