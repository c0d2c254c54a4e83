#include "core/race/detailed_results.h"

#include <algorithm>

namespace racedesk {
namespace {

RaceTime timeAtLap(const CarSlot& s, int lap) {
    if (lap > s.passings)
        return kNoTime;
    const RaceTime t = s.cumulativeTimes[std::size_t(lap)];
    return t == 0 && lap > 1 ? kNoTime : t;
}

} // namespace

int DetailedResults::mostPassings() const {
    int most = 0;
    for (int i = 0; i < carCount; ++i)
        most = std::max(most, cars[std::size_t(i)].passings);
    return most;
}

int positionAtLap(const CarSlots& slots, int slot, int lap) {
    const RaceTime own = timeAtLap(slots[std::size_t(slot)], lap);
    int position = 1;
    for (int other = 0; other < kCarCount; ++other) {
        const RaceTime t = timeAtLap(slots[std::size_t(other)], lap);
        if (t < own || (t == own && other > slot))
            ++position;
    }
    return position;
}

void buildDetailedResults(RankingMode mode, const CarSlots& slots, DetailedResults& results) {
    results.mode = mode;
    results.carCount = 0;
    for (int i = 0; i < kCarCount; ++i) {
        const CarSlot& s = slots[std::size_t(i)];
        if (s.isEmptySlot())
            continue;
        DetailedCar& car = results.cars[std::size_t(results.carCount++)];
        car = DetailedCar{};
        car.name = s.name.view();
        car.line = i + 1;
        car.passings = std::clamp(s.passings, 0, kDetailLaps);
        for (int j = 1; j <= car.passings; ++j) {
            const auto at = std::size_t(j);
            car.passingTimes[at] = s.cumulativeTimes[at];
            car.lapTimes[at] =
                j == 1 ? s.cumulativeTimes[at] : s.cumulativeTimes[at] - s.cumulativeTimes[at - 1];
        }
        for (int j = 1; j <= kDetailLaps; ++j)
            car.positions[std::size_t(j)] = positionAtLap(slots, i, j);
    }
    for (int i = results.carCount; i < kCarCount; ++i)
        results.cars[std::size_t(i)] = DetailedCar{};
}

} // namespace racedesk
