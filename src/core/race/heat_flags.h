#pragma once
#include "core/common/texts.h"
#include "core/race/race_header.h"
#include "core/race/section_file.h"

#include <array>
#include <string>
#include <string_view>

namespace racedesk {

// "CatégorieDrapeauxTreeview": which heats and finals hold stored results, for the nine
// category slots. Per category: 180 qualifying flags (round 1 heat 1, round 1 heat 2 ...
// round 9 heat 20), then 23 finals flags (the Final, then for each level L from 1 the 1/2^L A
// and B finals). Title and units are in working_race_file.h.
inline constexpr Text kHeatFlagsTitleNotFound = Text::ErrTitleHeatFlags;
inline constexpr int kQualifyingFlags = kMaxRounds * kMaxHeatsPerRound;
inline constexpr int kFinalsFlags = kMaxFinals;
inline constexpr int kCategoryFlags = kQualifyingFlags + kFinalsFlags;

struct HeatFlags {
    std::array<std::array<bool, kCategoryFlags>, kMaxCategories> categories{};
};

// Category from 1, round from 1, heat from 1. A heat outside the table has no flag: reading
// gives false and setting does nothing.
bool heatFlag(const HeatFlags& flags, int category, int round, int heat);
void setHeatFlag(HeatFlags& flags, int category, int round, int heat, bool stored);
// Level 0 is the Final (`isA` does not matter), levels 1 to 11 the 1/2^level finals.
bool finalFlag(const HeatFlags& flags, int category, int level, bool isA);
void setFinalFlag(HeatFlags& flags, int category, int level, bool isA, bool stored);

std::string composeHeatFlags(const HeatFlags& flags);
// A flag other than 0 or 1 reads as set when above 0; flags the body does not reach are 0.
HeatFlags parseHeatFlags(std::string_view body);

// False when the section is missing: every flag is then 0.
bool readHeatFlags(SectionFile& file, HeatFlags& flags);
WriteStatus writeHeatFlags(SectionFile& file, const HeatFlags& flags);

} // namespace racedesk
