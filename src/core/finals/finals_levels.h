#pragma once
#include "core/race/finals_sections.h"

#include <string>

namespace racedesk {

// The ladder of finals: level 0 is the Final, level k (1 to 11) the 1/2^k A and B finals.
// Levels from 4 on share the composition's last row. A final is known by its index as the
// tree and the heat flags count it: 0 the Final, 2·k − 1 the 1/2^k A final, 2·k its B final.

inline constexpr int kDeepestFinalsLevel = 11;
inline constexpr int kFinalsCount = 2 * kDeepestFinalsLevel + 1; // with the Final

int levelOfFinal(int finalIndex);
bool isAFinal(int finalIndex);
int finalIndexOf(int level, bool isA);
// The levels below the Final of a category with `finals` finals (2L + 1, or 0).
int levelsOfFinals(int finals);
// The section of final `finalIndex` of `category`.
std::string finalRunTitle(int category, int finalIndex);

// The values of level k of the composition.
int directOf(const FinalsComposition& c, int level);
int durationOf(const FinalsComposition& c, int level);
// Rest after a final of the level; none after the Final.
int restOf(const FinalsComposition& c, int level);
// The drivers each final of level k (1 to 11) sends up into the final of its letter above.
int movingUpOf(const FinalsComposition& c, int level);
// The qualifiers placed above level k: direct(0) + ... + direct(k − 1).
int directAbove(const FinalsComposition& c, int level);

} // namespace racedesk
