#pragma once
#include "core/common/fixed_text.h"
#include "core/databases/name_list.h"

#include <array>
#include <string>
#include <string_view>

namespace racedesk {

inline constexpr const char* kFrequenciesFile = "BaseDonnéesFréquences.bd";
inline constexpr int kFrequencyCount = 100;
inline constexpr int kFrequencyLength = 6;

// A radio frequency as the director writes it, "27.195" for one in MHz.
struct FrequencyEntry {
    FixedText<kFrequencyLength + 1> frequency;
};

using FrequencyTable = std::array<FrequencyEntry, kFrequencyCount>;

// Anything but exactly six characters.
bool isNotFrequency(std::string_view text);

inline constexpr NameList<FrequencyEntry, kFrequencyLength + 1> kFrequencyNames{
    &FrequencyEntry::frequency, {.refuses = isNotFrequency}};

// Clears the table, then takes each line of the file whole as one frequency (cut to six
// characters). False when the file cannot be opened.
bool readFrequencies(const std::string& path, FrequencyTable& table);
// The listed frequencies (up to the first empty one), one a line without a tab, as the whole
// file. False when the file cannot be written; it is then left as it was.
bool writeFrequencies(const std::string& path, const FrequencyTable& table);

} // namespace racedesk
