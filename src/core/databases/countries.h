#pragma once
#include "core/common/fixed_text.h"

#include <array>
#include <string>

namespace racedesk {

inline constexpr const char* kCountriesFile = "BaseDonnéesPays.bd";
// The countries file holds this many lines, one name each, at most kCountryNameLength bytes,
// without a tab. The program only reads it; the working folder is given it at installation.
inline constexpr int kCountryCount = 208;
inline constexpr int kCountryNameLength = 34;

using CountryName = FixedText<kCountryNameLength + 1>;

struct CountryList {
    std::array<CountryName, kCountryCount> names;
    int count = 0; // lines read
};

// Reads the names in file order, at most 208 lines, stopping at the end of a shorter file.
// False when the file cannot be opened; the list is then empty.
bool readCountries(const std::string& path, CountryList& list);
// Writes all 208 lines, names missing from the list as empty lines. False when the file
// cannot be written; it is then left as it was.
bool writeCountries(const std::string& path, const CountryList& list);

} // namespace racedesk
