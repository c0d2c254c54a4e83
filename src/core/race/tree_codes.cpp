#include "core/race/tree_codes.h"

#include "core/race/race_header.h"

namespace racedesk {

int normalisedCode(int code) {
    return code >= kCategoryCodeStep ? kCategoryItem + code % kCategoryCodeStep : code;
}

int categoryOfCode(int code) {
    return code / kCategoryCodeStep;
}

int itemCode(int category, int normalised) {
    return category * kCategoryCodeStep + normalised - kCategoryItem;
}

int roundItem(int round) {
    return kQualifyingItem + 100 * round;
}

int heatItem(int round, int heat) {
    return roundItem(round) + heat;
}

int roundClassificationItem(int round) {
    return kClassificationsItem + round;
}

int finalItem(int finalIndex) {
    return kFinaleItem + finalIndex;
}

bool isQualifyingHeat(int normalised, int& round, int& heat) {
    if (normalised <= kQualifyingItem || normalised >= kClassificationsItem)
        return false;
    round = (normalised - kQualifyingItem) / 100;
    heat = normalised % 100;
    return round >= 1 && round <= kMaxRounds && heat >= 1 && heat <= kMaxHeatsPerRound;
}

bool isParticipant(int normalised, int& place) {
    place = normalised - kFirstParticipantItem;
    return normalised >= kFirstParticipantItem && normalised <= kLastParticipantItem;
}

bool isFinal(int normalised, int& finalIndex) {
    finalIndex = normalised - kFinaleItem;
    return normalised >= kFinaleItem && normalised <= kLastFinalItem;
}

bool isRoundClassification(int normalised, int& round) {
    round = normalised - kClassificationsItem;
    return round >= 1 && round <= kMaxRounds;
}

} // namespace racedesk
