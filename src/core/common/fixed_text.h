#pragma once
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace racedesk {

// A text field of N bytes including its terminating zero, as the files and tables have them.
// Assigning a longer text truncates it: nothing is ever written past the field.
template <std::size_t N> struct FixedText {
    static_assert(N >= 1);
    char data[N] = {};

    FixedText() = default;
    FixedText(std::string_view s) { assign(s); } // NOLINT: implicit on purpose, like a C field

    void assign(std::string_view s) {
        const std::size_t n = std::min(s.size(), N - 1);
        if (n > 0)
            std::memmove(data, s.data(), n);
        std::memset(data + n, 0, N - n);
    }
    FixedText& operator=(std::string_view s) {
        assign(s);
        return *this;
    }
    void clear() { std::memset(data, 0, N); }

    const char* c_str() const { return data; }
    std::size_t size() const { return ::strnlen(data, N - 1); }
    bool empty() const { return data[0] == '\0'; }
    std::string_view view() const { return {data, size()}; }
    static constexpr std::size_t capacity() { return N - 1; }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
};

} // namespace racedesk
