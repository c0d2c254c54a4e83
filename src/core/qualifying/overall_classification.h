#pragma once
#include "core/common/race_time.h"
#include "core/race/classification_sections.h"
#include "core/race/participant.h"
#include "core/race/race_header.h"
#include "core/timing/run_session.h"

#include <array>

namespace racedesk {

// The overall qualifying classification of a category: each participant's rounds, the total of
// his N best, and the order of the category.

// Each item remembers the round it comes from; round 0 is an empty item.
struct RoundPoints {
    int points = 0;
    int round = 0;
};
struct RoundResult {
    int laps = 0;
    RaceTime totalTime = 0;
    int round = 0;
};
struct RoundBestLap {
    RaceTime bestLap = 0;
    int round = 0;
};

struct OverallEntry {
    DriverName name;
    int totalPoints = 0;
    std::array<RoundPoints, kMaxRounds> points;    // best first once sorted
    std::array<RoundResult, kMaxRounds> results;   // best first once sorted
    std::array<RoundBestLap, kMaxRounds> bestLaps; // lowest first once sorted
};

struct OverallStanding {
    RankingMode tieBreak = RankingMode::LapsThenTime; // criterion 4
    int bestRounds = 1;                               // N, 0 to 9
    int count = 0;                                    // the participants taken
    std::array<OverallEntry, kMaxParticipants> entries;
};

// The participants of the list in its order, every value zero.
void startStanding(OverallStanding& standing, const ParticipantTable& participants);
// The first `lines` lines of round `round`'s stored classification go into round slot `round`
// of every participant of the same name.
void addRound(OverallStanding& standing, int round, const RoundClassification& classification,
              int lines);
// Each participant's lists sorted, his total over N, and the category's order.
void classify(OverallStanding& standing);

// Changing N sums the totals again and re-sorts; changing criterion 4 re-sorts.
void setBestRounds(OverallStanding& standing, int bestRounds);
void setTieBreak(OverallStanding& standing, RankingMode tieBreak);

// Whether any round gave the participant points, a result or a best lap.
bool hasResults(const OverallEntry& entry);
// The category's participants minus those with results; never below 0.
int driversWithoutResults(const OverallStanding& standing, int participants);

// The order as the race file keeps it: N, criterion 4 and the names.
OverallClassification storedOrder(const OverallStanding& standing);

} // namespace racedesk
