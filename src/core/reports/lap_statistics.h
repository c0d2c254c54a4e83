#pragma once
#include "core/common/race_time.h"
#include "core/reports/driver_analysis.h"

#include <array>

namespace racedesk {

// How regular a driver was over a range of laps: the figures and the ten classes of lap
// times of the data view. Times in milliseconds.
struct DataStatistics {
    static constexpr int kClasses = 10; // nine classes, then the laps above the last boundary
    int n = 0;
    RaceTime best = 0;
    RaceTime worst = 0;
    RaceTime average = 0;
    RaceTime deviation = 0;
    int bestLap = 0; // the first lap of the range that reaches it
    int worstLap = 0;
    std::array<RaceTime, kClasses> boundaries{};
    std::array<int, kClasses> counts{};
    std::array<int, kClasses> shares{}; // tenths of a per cent of n
};

// Classes of 200 ms from the best lap's whole second, and the laps beyond them.
struct HistogramStatistics {
    static constexpr int kBars = 40; // 39 classes, then the laps at or above the last boundary
    static constexpr RaceTime kClassWidth = 200;
    int n = 0;
    RaceTime best = 0;
    RaceTime average = 0;
    RaceTime base = 0; // the lower boundary of the first class
    std::array<int, kBars> counts{};
};

// The laps of the curve: at most 101 from the range's first.
struct CurveStatistics {
    static constexpr int kMaxLaps = 101;
    int first = 0;
    int n = 0;
    RaceTime average = 0;
    RaceTime minimum = 0;
    RaceTime maximum = 0;
};

// Each is zero throughout when the range holds no lap of the run.
DataStatistics dataStatistics(const DriverResult& run, LapRange range);
HistogramStatistics histogramStatistics(const DriverResult& run, LapRange range);
CurveStatistics curveStatistics(const DriverResult& run, LapRange range);

// The last lap the curve shows: the range's last, or the hundredth after its first.
int curveLastLap(LapRange range);

} // namespace racedesk
