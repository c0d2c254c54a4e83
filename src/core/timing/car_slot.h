#pragma once
#include "core/common/fixed_text.h"
#include "core/common/race_time.h"

#include <array>
#include <cstdint>

namespace racedesk {

inline constexpr int kCarCount = 20;
inline constexpr int kLapTableSize = 301; // laps 0 to 300
inline constexpr const char* kEmptySlotName = "(NA)";

// One car of the run. Times are counted on the car's own clock, which starts at the run
// start, or at the car's first passing in the staggered start.
struct CarSlot {
    FixedText<40> name;
    FixedText<7> transponder;
    int carNumber = 0;
    int laps = 0;
    RaceTime totalTime = 0;
    RaceTime bestLap = 0;
    int passings = 0;
    std::array<RaceTime, kLapTableSize> cumulativeTimes{};
    std::array<RaceTime, kLapTableSize> lapTimes{};
    std::array<int, kLapTableSize> positions{};
    std::array<bool, kLapTableSize> manualLaps{}; // laps ended by a car button
    RaceTime bestLapFromTable = 0;
    bool finished = false;
    bool justPassed = false;
    bool newBestLap = false;
    bool runBestHolder = false;
    bool empty = false;
    RaceTime ownStartOffset = 0;
    bool ownStartSet = false; // the staggered start's first passing has been seen
    RaceTime lastBuzzReference = 0;
    std::int64_t passingTime = 0;
    RaceTime lapCandidate = 0;

    bool isEmptySlot() const { return name == kEmptySlotName; }
};

using CarSlots = std::array<CarSlot, kCarCount>;

} // namespace racedesk
