#pragma once
#include "core/common/fixed_text.h"
#include "core/databases/clubs.h"
#include "core/databases/countries.h"
#include "core/databases/name_list.h"

#include <array>
#include <string>
#include <string_view>

namespace racedesk {

inline constexpr const char* kDriversFile = "BaseDonnéesPilotes.bd";
inline constexpr int kDriverCount = 1000;
inline constexpr int kTransponderDigits = 6;

struct DriverRecord {
    FixedText<40> name;
    FixedText<40> address;
    FixedText<40> address2;
    FixedText<15> postcode;
    FixedText<40> town;
    CountryName country;
    FixedText<20> telephone;
    FixedText<40> email;
    FixedText<20> birthDate; // free text
    FixedText<20> licence;
    FixedText<kTransponderDigits + 1> transponder; // the driver's own, six digits or empty
    decltype(ClubRecord::name) club;               // one of the clubs file
    FixedText<260> picture;                        // full path of a BMP file
};

// A thousand records make a large table: hold it on the heap.
using DriverTable = std::array<DriverRecord, kDriverCount>;

// Names that stand for places in the race file cannot be drivers: "(NA)" (an empty car),
// "PisteCourse", and anything holding "Catégorie".
bool isReservedDriverName(std::string_view name);

inline constexpr NameList<DriverRecord, 40> kDriverNames{
    &DriverRecord::name,
    {.duplicateIgnoringCase = true, .refuses = isReservedDriverName, .addsAfterRemoving = true}};

// Clears the table, then fills it from the file, one driver a line. False when the file
// cannot be opened.
bool readDrivers(const std::string& path, DriverTable& table);
// The listed drivers (up to the first empty name), one a line, as the whole file. False when
// the file cannot be written; it is then left as it was.
bool writeDrivers(const std::string& path, const DriverTable& table);

// Exactly six digits.
bool isTransponderNumber(std::string_view text);
// A typed transponder is kept only once it is a whole number: a shorter entry leaves the
// stored one as it was.
void copyTransponder(DriverRecord& driver, std::string_view typed);

// Clubs no longer in the clubs list are emptied from the drivers, so they disappear from the
// drivers file when it is next saved.
void forgetMissingClubs(DriverTable& drivers, const ClubTable& clubs);

} // namespace racedesk
