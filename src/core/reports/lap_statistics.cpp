#include "core/reports/lap_statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace racedesk {
namespace {

constexpr std::array<RaceTime, DataStatistics::kClasses> kDataClassSteps = {
    0, 100, 200, 500, 1000, 1500, 2000, 3000, 4000, 5000};

// The whole time of the range over its laps, truncated toward zero.
RaceTime averageOf(const DriverResult& run, int first, int last) {
    const std::int64_t total = std::int64_t{run.times[std::size_t(last)]} -
                               std::int64_t{run.times[std::size_t(first - 1)]};
    return boundedTime(total / (last - first + 1));
}

// The first laps reaching the smallest and the largest time.
void extremes(const DriverResult& run, int first, int last, int& bestLap, int& worstLap) {
    bestLap = worstLap = first;
    for (int lap = first + 1; lap <= last; ++lap) {
        const RaceTime t = lapTime(run, lap);
        if (t < lapTime(run, bestLap))
            bestLap = lap;
        if (t > lapTime(run, worstLap))
            worstLap = lap;
    }
}

// Each squared difference is divided by n before the sum, as the regularity has always been
// figured, and the root truncated to whole milliseconds.
RaceTime deviationOf(const DriverResult& run, LapRange range, RaceTime average) {
    const double n = range.last - range.first + 1;
    double sum = 0;
    for (int lap = range.first; lap <= range.last; ++lap) {
        const double d = double(lapTime(run, lap)) - double(average);
        sum += d * d / n;
    }
    return boundedTime(std::int64_t(std::min(std::sqrt(sum), 4e9)));
}

// The class of a lap among the nine bounded ones (0 to 8), 9 above them, -1 below them.
int dataClassOf(const DataStatistics& s, RaceTime t) {
    const auto& b = s.boundaries;
    if (t >= b.back())
        return DataStatistics::kClasses - 1;
    for (int k = 1; k < DataStatistics::kClasses; ++k) {
        if (b[std::size_t(k - 1)] <= t && t < b[std::size_t(k)])
            return k - 1;
    }
    return -1;
}

int histogramBarOf(const HistogramStatistics& s, RaceTime t) {
    const std::int64_t above = std::int64_t{t} - s.base;
    if (above < 0)
        return -1;
    return int(std::min<std::int64_t>(above / HistogramStatistics::kClassWidth,
                                      HistogramStatistics::kBars - 1));
}

} // namespace

DataStatistics dataStatistics(const DriverResult& run, LapRange range) {
    DataStatistics s;
    if (!holdsLaps(run, range))
        return s;
    s.n = range.last - range.first + 1;
    s.average = averageOf(run, range.first, range.last);
    extremes(run, range.first, range.last, s.bestLap, s.worstLap);
    s.best = lapTime(run, s.bestLap);
    s.worst = lapTime(run, s.worstLap);
    s.deviation = deviationOf(run, range, s.average);
    const RaceTime base = s.best / 100 * 100;
    for (std::size_t k = 0; k < s.boundaries.size(); ++k)
        s.boundaries[k] = base + kDataClassSteps[k];
    for (int lap = range.first; lap <= range.last; ++lap) {
        const int k = dataClassOf(s, lapTime(run, lap));
        if (k >= 0)
            ++s.counts[std::size_t(k)];
    }
    for (std::size_t k = 0; k < s.counts.size(); ++k)
        s.shares[k] = s.counts[k] * 1000 / s.n;
    return s;
}

HistogramStatistics histogramStatistics(const DriverResult& run, LapRange range) {
    HistogramStatistics s;
    if (!holdsLaps(run, range))
        return s;
    s.n = range.last - range.first + 1;
    s.average = averageOf(run, range.first, range.last);
    int bestLap = 0;
    int worstLap = 0;
    extremes(run, range.first, range.last, bestLap, worstLap);
    s.best = lapTime(run, bestLap);
    s.base = s.best / 1000 * 1000;
    for (int lap = range.first; lap <= range.last; ++lap) {
        const int bar = histogramBarOf(s, lapTime(run, lap));
        if (bar >= 0)
            ++s.counts[std::size_t(bar)];
    }
    return s;
}

int curveLastLap(LapRange range) {
    return std::min(range.last, range.first + CurveStatistics::kMaxLaps - 1);
}

CurveStatistics curveStatistics(const DriverResult& run, LapRange range) {
    CurveStatistics s;
    const LapRange cut{range.first, curveLastLap(range)};
    if (!holdsLaps(run, cut))
        return s;
    s.first = cut.first;
    s.n = cut.last - cut.first + 1;
    s.average = averageOf(run, cut.first, cut.last);
    int minimumLap = 0;
    int maximumLap = 0;
    extremes(run, cut.first, cut.last, minimumLap, maximumLap);
    s.minimum = lapTime(run, minimumLap);
    s.maximum = lapTime(run, maximumLap);
    return s;
}

} // namespace racedesk
