#include "core/finals/finals_levels.h"

#include "core/race/section_titles.h"

#include <algorithm>

namespace racedesk {
namespace {

std::size_t rowOf(int level) {
    return std::size_t(std::clamp(level, 0, kFinalsRows - 1));
}

} // namespace

int levelOfFinal(int finalIndex) {
    return (finalIndex + 1) / 2;
}

bool isAFinal(int finalIndex) {
    return finalIndex % 2 == 1;
}

int finalIndexOf(int level, bool isA) {
    return level == 0 ? 0 : (isA ? 2 * level - 1 : 2 * level);
}

int levelsOfFinals(int finals) {
    return finals > 0 ? (finals - 1) / 2 : 0;
}

std::string finalRunTitle(int category, int finalIndex) {
    const int level = levelOfFinal(finalIndex);
    return level == 0 ? finaleTitle(category) : finalTitle(category, level, isAFinal(finalIndex));
}

int directOf(const FinalsComposition& c, int level) {
    return c.direct[rowOf(level)];
}

int durationOf(const FinalsComposition& c, int level) {
    return c.durations[rowOf(level)];
}

int restOf(const FinalsComposition& c, int level) {
    return level < 1 ? 0 : c.rests[rowOf(level) - 1];
}

int movingUpOf(const FinalsComposition& c, int level) {
    return level < 1 ? 0 : c.movingUp[rowOf(level) - 1];
}

int directAbove(const FinalsComposition& c, int level) {
    int sum = 0;
    for (int k = 0; k < level; ++k)
        sum += directOf(c, k);
    return sum;
}

} // namespace racedesk
