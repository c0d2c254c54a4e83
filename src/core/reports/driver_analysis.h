#pragma once
#include "core/race/transfer_files.h"

#include <cstdint>
#include <string>

namespace racedesk {

// The laps first to last of a run, both counted from 1.
struct LapRange {
    int first = 1;
    int last = 0;
};

// Laps 1 to N: the range of a run as the analysis opens on it.
LapRange wholeRun(const DriverResult& run);
// True when the range holds at least one lap of the run.
bool holdsLaps(const DriverResult& run, LapRange range);
// The time of lap 'lap' (1 to N): its passing time less the one before.
RaceTime lapTime(const DriverResult& run, int lap);
// Times of a damaged file may lie anywhere: figures made of them are kept far enough from
// the limits of a RaceTime for the class boundaries that the statistics add to them.
RaceTime boundedTime(std::int64_t ms);

// The run title and the driver's name: "<run title> : <name>".
std::string analysisTitleLine(const DriverResult& run);
// " Piste : <circuit>   (<run summary line>) ".
std::string analysisTrackLine(const DriverResult& run);

// A lap number typed into one of the range's edits: the lap taken, and whether the edit
// must show it instead of what was typed.
struct LapEntry {
    int lap = 0;
    bool rewrite = false;
};
LapEntry enterFirstLap(int typed, int laps);
LapEntry enterLastLap(int typed, int laps);

} // namespace racedesk
