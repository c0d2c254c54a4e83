#pragma once
#include "core/common/fixed_text.h"
#include "core/databases/countries.h"
#include "core/databases/name_list.h"

#include <array>
#include <string>

namespace racedesk {

inline constexpr const char* kClubsFile = "BaseDonnéesClubs.bd";
inline constexpr int kClubCount = 100;

struct ClubRecord {
    FixedText<50> name;
    FixedText<15> acronym;
    FixedText<40> address;
    FixedText<40> address2;
    FixedText<15> postcode;
    FixedText<40> town;
    CountryName country; // one of the countries list
    FixedText<20> telephone;
    FixedText<40> email;
};

using ClubTable = std::array<ClubRecord, kClubCount>;

inline constexpr NameList<ClubRecord, 50> kClubNames{&ClubRecord::name,
                                                     {.addsAfterRemoving = true}};

// Clears the table, then fills it from the file, one club a line. False when the file cannot
// be opened.
bool readClubs(const std::string& path, ClubTable& table);
// The listed clubs (up to the first empty name), one a line, as the whole file. False when the
// file cannot be written; it is then left as it was.
bool writeClubs(const std::string& path, const ClubTable& table);

} // namespace racedesk
