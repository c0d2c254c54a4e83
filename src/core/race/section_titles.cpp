#include "core/race/section_titles.h"

#include <cstdio>

namespace racedesk {
namespace {

constexpr std::string_view kFinalsWord = "Remont\xE9"
                                         "es";

template <typename... Args> std::string formatTitle(const char* pattern, Args... args) {
    char title[128];
    std::snprintf(title, sizeof title, pattern, args...);
    return title;
}

} // namespace

std::string participantsTitle(int category) {
    return formatTitle("Cat\xE9gorie%dListeParticipants", category);
}

std::string qualifyingParametersTitle(int category) {
    return formatTitle("Cat\xE9gorie%dQualifsParam\xE8tres", category);
}

std::string heatCompositionTitle(int category) {
    return formatTitle("Cat\xE9gorie%dR\xE9partitionQualifs", category);
}

std::string startingGridsTitle(int category) {
    return formatTitle("Cat\xE9gorie%dGrilleD\xE9partQualifs", category);
}

std::string heatTitle(int category, int round, int heat) {
    return formatTitle("Cat\xE9gorie%dM%dS%d", category, round, heat);
}

std::string roundClassificationTitle(int category, int round) {
    return formatTitle("Cat\xE9gorie%dM%dClassement", category, round);
}

std::string overallClassificationTitle(int category) {
    return formatTitle("Cat\xE9gorie%dClassementFinalQualifs", category);
}

std::string finalsParametersTitle(int category) {
    return formatTitle("Cat\xE9gorie%dRemont\xE9"
                       "esParam\xE8tres",
                       category);
}

std::string finalsCompositionTitle(int category) {
    return formatTitle("Cat\xE9gorie%dR\xE9partitionRemont\xE9"
                       "es",
                       category);
}

std::string finalTitle(int category, int level, bool isA) {
    if (level < 1 || level > kFinalLevels)
        return {};
    return formatTitle("Cat\xE9gorie%dRemont\xE9"
                       "es%d%c",
                       category, 1 << level, isA ? 'A' : 'B');
}

std::string finaleTitle(int category) {
    return formatTitle("Cat\xE9gorie%dRemont\xE9"
                       "esFinale",
                       category);
}

bool isFinalRunTitle(std::string_view title) {
    return title.find(kFinalsWord) != std::string_view::npos;
}

} // namespace racedesk
