#pragma once
#include <cstdint>

namespace racedesk {

// A count of milliseconds: the unit of every lap and race time, in memory and in files.
using RaceTime = std::int32_t;

// Times with a meaning of their own.
inline constexpr RaceTime kNoTime = 1'500'000'000;       // empty slot, never-filled entry
inline constexpr RaceTime kMissingTime = 1'400'000'000;  // missing time in comparisons
inline constexpr RaceTime kOneLapNoBest = 1'390'000'000; // one lap, no best lap yet
inline constexpr RaceTime kAlreadyTaken = 1'600'000'000; // entry placed by a selection sort
inline constexpr RaceTime kInitialRunBest = 1'000'000'000;

struct TimeParts {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int millis = 0;
};

// Whole division by 3 600 000, 60 000 and 1000, truncating toward zero.
TimeParts splitTime(std::int64_t ms);

// "%d:%02d:%02d.%03d" with hours, else "%d:%02d.%03d" with minutes, else "%d.%03d".
// Writes at most size - 1 characters and a terminating zero; returns buf.
char* formatShortTime(const TimeParts& t, char* buf, int size);
// "%d:%02d:%02d.%03d" with hours, else "%d:%02d.%03d".
char* formatFullTime(const TimeParts& t, char* buf, int size);

} // namespace racedesk
