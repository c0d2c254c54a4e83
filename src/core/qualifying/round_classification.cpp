#include "core/qualifying/round_classification.h"

#include "core/qualifying/classification_selection.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace racedesk {
namespace {

// Substitutes for a missing time while sorting; turned back to 0 afterwards.
void substituteMissingTimes(RoundEntry& e) {
    if (e.laps == 0 && e.totalTime == 0)
        e.totalTime = kMissingTime;
    if (e.bestLap == 0)
        e.bestLap = kMissingTime;
}

void restoreMissingTimes(RoundEntry& e) {
    if (e.laps == 0 && e.totalTime == kMissingTime)
        e.totalTime = 0;
    if (e.bestLap == kMissingTime)
        e.bestLap = 0;
}

bool beforeByLapsAndTime(const RoundEntry& a, const RoundEntry& b) {
    if (a.laps != b.laps)
        return a.laps > b.laps;
    if (a.totalTime != b.totalTime)
        return a.totalTime < b.totalTime;
    return a.bestLap < b.bestLap;
}

bool beforeByBestLap(const RoundEntry& a, const RoundEntry& b) {
    if (a.bestLap != b.bestLap)
        return a.bestLap < b.bestLap;
    if (a.laps != b.laps)
        return a.laps > b.laps;
    return a.totalTime < b.totalTime;
}

bool sameResult(RankingMode mode, const RoundEntry& a, const RoundEntry& b) {
    if (mode == RankingMode::BestLap)
        return a.bestLap == b.bestLap;
    return a.laps == b.laps && a.totalTime == b.totalTime;
}

bool didNotRun(const RoundEntry& e) {
    if (e.laps != 0)
        return false;
    return (e.totalTime == 0 && e.bestLap == 0) || (e.totalTime == kNoTime && e.bestLap == kNoTime);
}

// The gap between place `place` (from 1) and the place after it.
int gapAfter(const PointsScale& scale, int place) {
    switch (place) {
    case 1:
        return scale.gapFirstSecond;
    case 2:
        return scale.gapSecondThird;
    case 3:
        return scale.gapThirdFourth;
    case 4:
        return scale.gapFourthFifth;
    default:
        return scale.gapFurther;
    }
}

// A scale read from a damaged file may hold any integers: the running value stays in range.
int narrowed(std::int64_t value) {
    return int(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max()));
}

} // namespace

RoundEntry neverFilledEntry() {
    RoundEntry e;
    e.totalTime = kNoTime;
    e.bestLap = kNoTime;
    return e;
}

void clearRoundEntries(RoundClassification& round) {
    round.entries.fill(neverFilledEntry());
}

int addHeatEntries(RoundClassification& round, int next, const StoredRun& heat,
                   int driversPerHeat) {
    const int lines = std::clamp(driversPerHeat, 0, kCarCount);
    for (int i = 0; i < lines && next < kMaxRoundEntries; ++i, ++next) {
        const HeatRecordLine& car = heat.cars[std::size_t(i)];
        RoundEntry& e = round.entries[std::size_t(next)];
        e = RoundEntry{};
        if (car.name.view() != kEmptySlotName)
            e.name = car.name.view();
        e.laps = car.laps;
        e.totalTime = car.totalTime;
        e.bestLap = car.bestLap;
    }
    return next;
}

void sortRoundEntries(RoundClassification& round) {
    for (RoundEntry& e : round.entries)
        substituteMissingTimes(e);
    const std::span<RoundEntry> entries(round.entries);
    if (round.ranking == RankingMode::BestLap)
        sortBySelection(entries, beforeByBestLap);
    else
        sortBySelection(entries, beforeByLapsAndTime);
    for (RoundEntry& e : round.entries)
        restoreMissingTimes(e);
}

void computeRoundPoints(RoundClassification& round, int participants) {
    const int places = std::clamp(participants, 0, kMaxRoundEntries);
    auto& entries = round.entries;
    std::int64_t value = round.scale.first;
    for (int i = 0; i < kMaxRoundEntries; ++i) {
        if (i > 0)
            value -= gapAfter(round.scale, i);
        entries[std::size_t(i)].points = i < places ? narrowed(value) : 0;
    }
    // A tie shares the points of the place above; the scale goes on from its own place.
    for (std::size_t i = 1; i < std::size_t(places); ++i) {
        if (sameResult(round.ranking, entries[i - 1], entries[i]))
            entries[i].points = entries[i - 1].points;
    }
    for (RoundEntry& e : entries) {
        if (didNotRun(e) || e.points < 0)
            e.points = 0;
    }
}

void rankRound(RoundClassification& round, int participants) {
    sortRoundEntries(round);
    computeRoundPoints(round, participants);
}

int driversNotRun(const RoundClassification& round, int participants) {
    const auto named = std::count_if(round.entries.begin(), round.entries.end(),
                                     [](const RoundEntry& e) { return !e.name.empty(); });
    return std::max(0, participants - int(named));
}

} // namespace racedesk
