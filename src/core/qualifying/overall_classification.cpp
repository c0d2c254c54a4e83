#include "core/qualifying/overall_classification.h"

#include "core/qualifying/classification_selection.h"

#include <algorithm>
#include <span>

namespace racedesk {
namespace {

// A missing time counts as the missing-time value while comparing, so it comes after every
// real time.
RaceTime comparableTime(int laps, RaceTime time) {
    return laps == 0 && time == 0 ? kMissingTime : time;
}

RaceTime comparableLap(RaceTime lap) {
    return lap == 0 ? kMissingTime : lap;
}

bool betterResult(const RoundResult& a, const RoundResult& b) {
    if (a.laps != b.laps)
        return a.laps > b.laps;
    return comparableTime(a.laps, a.totalTime) < comparableTime(b.laps, b.totalTime);
}

bool betterLap(RaceTime a, RaceTime b) {
    return comparableLap(a) < comparableLap(b);
}

void sortRoundLists(OverallEntry& e) {
    sortBySelection(std::span<RoundPoints>(e.points),
                    [](const RoundPoints& a, const RoundPoints& b) { return a.points > b.points; });
    sortBySelection(std::span<RoundResult>(e.results), betterResult);
    sortBySelection(std::span<RoundBestLap>(e.bestLaps),
                    [](const RoundBestLap& a, const RoundBestLap& b) {
                        return betterLap(a.bestLap, b.bestLap);
                    });
}

void sumBestRounds(OverallStanding& standing) {
    const int n = std::clamp(standing.bestRounds, 0, kMaxRounds);
    for (OverallEntry& e : standing.entries) {
        e.totalPoints = 0;
        for (int i = 0; i < n; ++i)
            e.totalPoints += e.points[std::size_t(i)].points;
    }
}

// Criterion 4: the best result and the best lap, in the order the mode gives them.
int compareTieBreak(RankingMode mode, const OverallEntry& a, const OverallEntry& b) {
    const RoundResult& ra = a.results[0];
    const RoundResult& rb = b.results[0];
    const int byLaps = ra.laps != rb.laps ? (ra.laps > rb.laps ? -1 : 1) : 0;
    const RaceTime ta = comparableTime(ra.laps, ra.totalTime);
    const RaceTime tb = comparableTime(rb.laps, rb.totalTime);
    const int byTime = ta != tb ? (ta < tb ? -1 : 1) : 0;
    const RaceTime la = comparableLap(a.bestLaps[0].bestLap);
    const RaceTime lb = comparableLap(b.bestLaps[0].bestLap);
    const int byLap = la != lb ? (la < lb ? -1 : 1) : 0;
    if (mode == RankingMode::BestLap)
        return byLap != 0 ? byLap : (byLaps != 0 ? byLaps : byTime);
    return byLaps != 0 ? byLaps : (byTime != 0 ? byTime : byLap);
}

// Criteria 1 to 4.
bool ranksBefore(RankingMode mode, const OverallEntry& a, const OverallEntry& b) {
    if (a.totalPoints != b.totalPoints)
        return a.totalPoints > b.totalPoints;
    for (std::size_t i = 0; i < std::size_t(kMaxRounds); ++i) {
        if (a.points[i].points != b.points[i].points)
            return a.points[i].points > b.points[i].points;
    }
    return compareTieBreak(mode, a, b) < 0;
}

void sortStanding(OverallStanding& standing) {
    const RankingMode mode = standing.tieBreak;
    sortBySelection(
        std::span<OverallEntry>(standing.entries.data(), std::size_t(standing.count)),
        [mode](const OverallEntry& a, const OverallEntry& b) { return ranksBefore(mode, a, b); });
}

} // namespace

void startStanding(OverallStanding& standing, const ParticipantTable& participants) {
    standing.entries.fill(OverallEntry{});
    standing.count = 0;
    for (const Participant& p : participants) {
        if (!p.isFree())
            standing.entries[std::size_t(standing.count++)].name = p.name;
    }
}

void addRound(OverallStanding& standing, int round, const RoundClassification& classification,
              int lines) {
    if (round < 1 || round > kMaxRounds)
        return;
    const std::size_t slot = std::size_t(round - 1);
    const int read = std::clamp(lines, 0, kMaxRoundEntries);
    for (int line = 0; line < read; ++line) {
        const RoundEntry& r = classification.entries[std::size_t(line)];
        if (r.name.empty())
            continue;
        for (int i = 0; i < standing.count; ++i) {
            OverallEntry& e = standing.entries[std::size_t(i)];
            if (e.name != r.name)
                continue;
            e.points[slot] = {r.points, round};
            e.results[slot] = {r.laps, r.totalTime, round};
            e.bestLaps[slot] = {r.bestLap, round};
        }
    }
}

void classify(OverallStanding& standing) {
    for (int i = 0; i < standing.count; ++i)
        sortRoundLists(standing.entries[std::size_t(i)]);
    sumBestRounds(standing);
    sortStanding(standing);
}

void setBestRounds(OverallStanding& standing, int bestRounds) {
    standing.bestRounds = std::clamp(bestRounds, 0, kMaxRounds);
    sumBestRounds(standing);
    sortStanding(standing);
}

void setTieBreak(OverallStanding& standing, RankingMode tieBreak) {
    standing.tieBreak = tieBreak;
    sortStanding(standing);
}

bool hasResults(const OverallEntry& entry) {
    return entry.totalPoints != 0 || entry.results[0].laps != 0 ||
           entry.results[0].totalTime != 0 || entry.bestLaps[0].bestLap != 0;
}

int driversWithoutResults(const OverallStanding& standing, int participants) {
    int with = 0;
    for (int i = 0; i < standing.count; ++i)
        with += hasResults(standing.entries[std::size_t(i)]) ? 1 : 0;
    return std::max(0, participants - with);
}

OverallClassification storedOrder(const OverallStanding& standing) {
    OverallClassification stored;
    stored.tieBreak = standing.tieBreak;
    stored.bestRounds = standing.bestRounds;
    for (int i = 0; i < standing.count; ++i)
        stored.names[std::size_t(i)] = standing.entries[std::size_t(i)].name;
    return stored;
}

} // namespace racedesk
