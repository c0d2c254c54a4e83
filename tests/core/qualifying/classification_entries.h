#pragma once
#include "core/qualifying/round_classification.h"

#include <memory>
#include <string>
#include <vector>

namespace racedesk::test {

// A driver's result in a round, as a test writes it.
struct Result {
    std::string name;
    int laps = 0;
    RaceTime total = 0;
    RaceTime best = 0;
};

// A round whose entries are `results` in this order, the others never filled.
inline std::unique_ptr<RoundClassification> roundOf(const std::vector<Result>& results,
                                                    RankingMode mode = RankingMode::LapsThenTime) {
    auto round = std::make_unique<RoundClassification>();
    round->ranking = mode;
    clearRoundEntries(*round);
    for (std::size_t i = 0; i < results.size(); ++i) {
        RoundEntry& e = round->entries[i];
        e.name = results[i].name;
        e.laps = results[i].laps;
        e.totalTime = results[i].total;
        e.bestLap = results[i].best;
    }
    return round;
}

inline std::vector<std::string> namesOf(const RoundClassification& round, int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        names.emplace_back(round.entries[std::size_t(i)].name.view());
    return names;
}

inline std::vector<int> pointsOf(const RoundClassification& round, int count) {
    std::vector<int> points;
    for (int i = 0; i < count; ++i)
        points.push_back(round.entries[std::size_t(i)].points);
    return points;
}

} // namespace racedesk::test
