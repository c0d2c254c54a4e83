#include "core/reports/driver_analysis.h"

#include "core/reports/analysis_texts.h"
#include "core/timing/key_labels.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace racedesk {

LapRange wholeRun(const DriverResult& run) {
    return {1, run.laps};
}

bool holdsLaps(const DriverResult& run, LapRange range) {
    return run.laps >= 1 && range.first >= 1 && range.first <= range.last && range.last <= run.laps;
}

RaceTime boundedTime(std::int64_t ms) {
    constexpr std::int64_t kLimit = 2'000'000'000;
    return RaceTime(std::clamp(ms, -kLimit, kLimit));
}

RaceTime lapTime(const DriverResult& run, int lap) {
    return boundedTime(std::int64_t{run.times[std::size_t(lap)]} - run.times[std::size_t(lap - 1)]);
}

std::string analysisTitleLine(const DriverResult& run) {
    return std::string(run.runTitle.view()) + " : " + std::string(run.name.view());
}

std::string analysisTrackLine(const DriverResult& run) {
    char line[320];
    std::snprintf(line, sizeof line, tx(AnalysisText::TrackLine), run.circuit.c_str(),
                  readableSummary(run.summary.view()).c_str());
    return line;
}

LapEntry enterFirstLap(int typed, int laps) {
    if (typed > laps)
        return {laps, true};
    // An empty or zero first lap stands for the run's first lap; the edit keeps what the
    // director is typing.
    if (typed < 1 && laps >= 1)
        return {1, false};
    return {typed, false};
}

LapEntry enterLastLap(int typed, int laps) {
    if (typed > laps)
        return {laps, true};
    return {typed, false};
}

} // namespace racedesk
