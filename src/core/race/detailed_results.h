#pragma once
#include "core/common/fixed_text.h"
#include "core/common/race_time.h"
#include "core/timing/car_slot.h"
#include "core/timing/run_session.h"

#include <array>

namespace racedesk {

inline constexpr int kDetailLaps = kLapTableSize - 1; // laps 1 to 300

// One car of the detailed results: its passing times, lap times and position after each lap.
struct DetailedCar {
    FixedText<40> name{kEmptySlotName};
    int line = 0; // its slot number, 1 to 20; 0 for the padding after the last car
    int passings = 0;
    std::array<RaceTime, kLapTableSize> passingTimes{}; // entry j: the time of passing j
    std::array<RaceTime, kLapTableSize> lapTimes{};
    std::array<int, kLapTableSize> positions{}; // entry j: 1 to 20, over the run's 20 slots
};

// The run as the detailed results dialog shows it: the cars that are not "(NA)", in slot order,
// then "(NA)" entries up to 20.
struct DetailedResults {
    RankingMode mode = RankingMode::LapsThenTime;
    int carCount = 0;
    std::array<DetailedCar, kCarCount> cars;

    int mostPassings() const;
};

// The place of a slot among the 20 at lap j (1 to 300), ordered by their j-th passing times.
// A slot without that passing, or whose time of it is 0 past lap 1, counts as 1 500 000 000;
// of equal times the later slot comes first.
int positionAtLap(const CarSlots& slots, int slot, int lap);

// What the dialog shows from the slots read back from "DetailResultats.res": lap 1 is the
// first passing time, lap j the difference of passings j and j - 1.
void buildDetailedResults(RankingMode mode, const CarSlots& slots, DetailedResults& results);

} // namespace racedesk
