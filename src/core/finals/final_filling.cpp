#include "core/finals/final_filling.h"

#include "core/finals/finals_levels.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace racedesk {
namespace {

// Smaller is better: laps counted down, then the times.
std::tuple<int, RaceTime, RaceTime> finishKey(const HeatRecordLine& line) {
    const bool noLaps = line.laps == 0;
    const RaceTime total = noLaps && line.totalTime == 0 ? kMissingTime : line.totalTime;
    const RaceTime last = noLaps && line.lastLap == 0 ? kMissingTime : line.lastLap;
    return {-line.laps, total, last};
}

// The driver at `place` of the qualifying order while it stands among the finals participants.
DriverName qualifier(const FinalsComposition& c, const QualifyingOrder& qualifying, int place) {
    if (place < 0 || place >= c.participants || place >= kMaxParticipants)
        return {};
    return qualifying[std::size_t(place)];
}

// The `count` best of `feeder` into the slots from `first`; nothing from a final not stored.
void moveUp(FinalField& field, int first, int step, int count, const StoredRun* feeder) {
    if (feeder == nullptr)
        return;
    const FinishingOrder order = finishingOrder(*feeder);
    for (int i = 0; i < count && i < kCarCount; ++i) {
        const int slot = first + i * step;
        if (slot >= 0 && slot < kCarCount)
            field[std::size_t(slot)] = feeder->cars[std::size_t(order[std::size_t(i)])].name;
    }
}

} // namespace

FinishingOrder finishingOrder(const StoredRun& run) {
    FinishingOrder order;
    // Latest line first, so that the stable sort leaves complete ties later-first.
    std::iota(order.rbegin(), order.rend(), 0);
    std::stable_sort(order.begin(), order.end(), [&run](int a, int b) {
        return finishKey(run.cars[std::size_t(a)]) < finishKey(run.cars[std::size_t(b)]);
    });
    return order;
}

FinalField fillFinal(const FinalsComposition& c, int levels, int finalIndex,
                     const QualifyingOrder& qualifying, const FinalFeeders& feeders) {
    FinalField field{};
    const int n = std::clamp(c.driversPerFinal, 0, kCarCount);
    const int level = levelOfFinal(finalIndex);
    int slot = 0;
    if (level == 0) {
        for (; slot < directOf(c, 0) && slot < n; ++slot)
            field[std::size_t(slot)] = qualifier(c, qualifying, slot);
        const int up = std::min(movingUpOf(c, 1), (n - slot) / 2);
        if (levels >= 1) {
            moveUp(field, slot, 2, up, feeders.a);
            moveUp(field, slot + 1, 2, up, feeders.b);
        }
        return field;
    }
    const int first = directAbove(c, level) + (isAFinal(finalIndex) ? 0 : 1);
    const int end = directAbove(c, level) + directOf(c, level) + (isAFinal(finalIndex) ? 0 : 1);
    for (int place = first; place < end && place < c.participants && slot < n; place += 2)
        field[std::size_t(slot++)] = qualifier(c, qualifying, place);
    if (level < levels)
        moveUp(field, slot, 1, std::min(movingUpOf(c, level + 1), n - slot), feeders.a);
    return field;
}

} // namespace racedesk
