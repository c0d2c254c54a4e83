#pragma once
#include "classification_entries.h"
#include "core/qualifying/classification_storage.h"

#include <memory>
#include <string>
#include <vector>

namespace racedesk::test {

// The context of category "Buggy 1/8" of "Grand Prix" on "Circuit des Pins" with P
// participants.
inline ClassificationContext buggyContext(int participants) {
    ClassificationContext context;
    context.entry.name = "Buggy 1/8";
    context.entry.participants = participants;
    context.entry.qualifyingStarted = 1;
    context.track.raceName = "Grand Prix";
    context.track.circuit = "Circuit des Pins";
    return context;
}

// Round `round` with these results in this order, given their points by `points`.
inline std::unique_ptr<RoundClassificationState> roundState(int round, int participants,
                                                            const std::vector<Result>& results,
                                                            const std::vector<int>& points) {
    auto state = std::make_unique<RoundClassificationState>();
    state->context = buggyContext(participants);
    state->round = round;
    state->classification = *roundOf(results);
    for (std::size_t i = 0; i < points.size(); ++i)
        state->classification.entries[i].points = points[i];
    return state;
}

// One participant of the overall classification as it stands once classified.
struct Standing {
    std::string name;
    int total = 0;
    std::vector<RoundPoints> points; // best first
    RoundResult best;
    RoundBestLap bestLap;
};

inline std::unique_ptr<OverallClassificationState>
overallState(int bestRounds, int participants, const std::vector<Standing>& standings) {
    auto state = std::make_unique<OverallClassificationState>();
    state->context = buggyContext(participants);
    OverallStanding& s = state->standing;
    s.bestRounds = bestRounds;
    s.count = int(standings.size());
    for (std::size_t i = 0; i < standings.size(); ++i) {
        OverallEntry& e = s.entries[i];
        e.name = standings[i].name;
        e.totalPoints = standings[i].total;
        for (std::size_t k = 0; k < standings[i].points.size(); ++k)
            e.points[k] = standings[i].points[k];
        e.results[0] = standings[i].best;
        e.bestLaps[0] = standings[i].bestLap;
    }
    return state;
}

} // namespace racedesk::test
