#pragma once
#include <string>
#include <string_view>

// The race file's layout spelt out by hand, so that tests compare the writers' bytes with
// bytes that do not come from the writers.
namespace racedesk::test {

// "Catégorie" in Windows-1252.
inline const std::string kCat = "Cat\xE9gorie";

inline std::string units(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "1\t";
    return s;
}

// An empty line, then the title line, then the body bytes.
inline std::string sectionBytes(std::string_view title, std::string_view body) {
    return "\r\n" + std::string(title) + "\t\r\n" + std::string(body);
}

} // namespace racedesk::test
