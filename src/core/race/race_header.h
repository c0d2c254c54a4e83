#pragma once
#include "core/common/fixed_text.h"
#include "core/race/participant.h"
#include "core/race/section_file.h"

#include <array>
#include <string>
#include <string_view>

namespace racedesk {

inline constexpr int kMaxCategories = 9;
inline constexpr int kRaceHeaderUnits = 330;
inline constexpr int kNewRaceSelectedItem = 10000;
inline constexpr int kMaxRounds = 9;
inline constexpr int kMaxHeatsPerRound = 20;
inline constexpr int kMaxFinals = 23;

using CategoryName = FixedText<55>; // at most 54 characters

// One category's entry in the race header.
struct CategoryEntry {
    CategoryName name;
    int participants = 0;      // 0 to 200
    int qualifyingStarted = 0; // 0, or 1 once a qualifying heat is stored
    int finalsState = 0;       // 0; 1 overall classification confirmed; 2 a final stored
    int rounds = 0;            // 0 to 9
    int heatsPerRound = 0;     // 0 to 20
    int finals = 0;            // 0, or 2·L + 1 for L levels of A and B finals; at most 23
};

// The start of the race file: the tree item selected last and the category table.
// Categories are numbered from 1 in this order.
struct RaceHeader {
    int selectedItem = kNewRaceSelectedItem;
    int categoryCount = 1; // 1 to 9
    std::array<CategoryEntry, kMaxCategories> categories;
};

// "CATEGORIE %d" ("CATEGORY %d" in the English program)
CategoryName defaultCategoryName(int number);
// A new race: one category, "CATEGORIE 1", every counter 0.
RaceHeader newRaceHeader();

// The header's content as written from the first byte of the file, without a line end of its
// own. False, and nothing composed, when a category name is empty (every field after it would
// shift) or the category count is not 1 to 9.
bool composeRaceHeader(const RaceHeader& header, std::string& content);

// Reads a header area with what can be read, whatever its bytes: what is missing keeps the
// new race's value, counters are brought within their limits, a category without a name gets
// its default name.
RaceHeader parseRaceHeader(std::string_view area);

// False when the file is not open; the header is then a new race's.
bool readRaceHeader(SectionFile& file, RaceHeader& header);
bool readRaceHeader(const std::string& path, RaceHeader& header);
// Refused when composeRaceHeader refuses; the file is then untouched.
WriteStatus writeRaceHeader(SectionFile& file, const RaceHeader& header);
WriteStatus writeRaceHeader(const std::string& path, const RaceHeader& header);

} // namespace racedesk
