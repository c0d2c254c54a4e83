#pragma once

namespace racedesk {

// Every item of the race tree carries an integer code. A category's items are its number
// times 10000 plus the item's own code, so every category dialog finds its category from the
// item selected. Decisions are taken on the normalised code: the item's own code under
// category 1.
inline constexpr int kCategoryCodeStep = 10000;

inline constexpr int kTrackItem = 1000;
inline constexpr int kCategoryItem = 10000;
inline constexpr int kParticipantsItem = 11000;
inline constexpr int kFirstParticipantItem = 11001; // + the participant's place, 0 to 199
inline constexpr int kLastParticipantItem = 11200;
inline constexpr int kQualifyingItem = 13000; // + 100 · round for a round, + heat for a heat
inline constexpr int kQualifyingParametersItem = 13010;
inline constexpr int kHeatCompositionItem = 13020;
inline constexpr int kClassificationsItem = 13950; // + round for a round classification
inline constexpr int kOverallClassificationItem = 13990;
inline constexpr int kFinalsItem = 14000;
inline constexpr int kFinalsParametersItem = 14010;
inline constexpr int kFinalsCompositionItem = 14020;
inline constexpr int kFinaleItem = 14100; // + the final's index: 2·L − 1 the 1/2^L A, 2·L its B
inline constexpr int kLastFinalItem = 14122;
inline constexpr int kClosureReportItem = 15000;

// The code as category 1 would have it; the track and codes below 10000 stay as they are.
int normalisedCode(int code);
// 1 to 9 for a category's items; 0 for the track.
int categoryOfCode(int code);
// The item `normalised` (a normalised code) of category `category`.
int itemCode(int category, int normalised);

int roundItem(int round);
int heatItem(int round, int heat);
int roundClassificationItem(int round);
// Index 0 the Finale, 2·L − 1 the 1/2^L A final, 2·L its B final.
int finalItem(int finalIndex);

// A qualifying heat item: round 1 to 9 and heat 1 to 20. Round items and codes past the
// heats of a round are not heats.
bool isQualifyingHeat(int normalised, int& round, int& heat);
// A participant item: its place, 0 to 199.
bool isParticipant(int normalised, int& place);
bool isFinal(int normalised, int& finalIndex);
bool isRoundClassification(int normalised, int& round);

} // namespace racedesk
