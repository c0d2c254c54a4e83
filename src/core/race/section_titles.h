#pragma once
#include <string>
#include <string_view>

namespace racedesk {

// The titles of the race file's sections, in Windows-1252. Categories are numbered from 1 in
// the order of the race header; the number is part of every title of the category. Titles are
// never translated.

inline constexpr int kFinalLevels = 11; // 1/2 (level 1) to 1/2048 (level 11)

std::string participantsTitle(int category);
std::string qualifyingParametersTitle(int category);
std::string heatCompositionTitle(int category);
std::string startingGridsTitle(int category);
std::string heatTitle(int category, int round, int heat);
std::string roundClassificationTitle(int category, int round);
std::string overallClassificationTitle(int category);
std::string finalsParametersTitle(int category);
std::string finalsCompositionTitle(int category);
// The A or B final of `level`, the 1/2^level finals; empty, so no section, for a level
// outside 1 to 11.
std::string finalTitle(int category, int level, bool isA);
// The Final, above the 1/2 finals.
std::string finaleTitle(int category);

// A stored run's title names a final (its title holds "Remontées") rather than a heat.
bool isFinalRunTitle(std::string_view title);

} // namespace racedesk
