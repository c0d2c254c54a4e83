#pragma once
#include "core/race/heat_section.h"
#include "core/timing/journal_replay.h"

#include <string>
#include <vector>

namespace racedesk {

// What `racedesk-replay` prints of a run timed again from the journal: a title line (section,
// run title, start date and time, how its records end), then one line per car in the run's
// ranking: position, car, name, laps, total time, best lap.
std::string replayedRunText(const JournalRun& run, const ReplayedRun& replayed);

// Each difference between the run timed again and the run stored in its section, one line
// each ("car 3 Dupont: laps 12 stored 11"); none when they agree.
std::vector<std::string> storedRunDifferences(const ReplayedRun& replayed, const StoredRun& stored);

// For every run of the journal that was committed into a section of `raceFile`: its
// differences, each line led by the section's title. A run whose section is missing is
// reported as such; the lines of `report` follow the runs' order.
struct ReplayComparison {
    std::vector<std::string> lines;
    int runsCompared = 0;
    int runsDiffering = 0;
};
ReplayComparison compareWithRaceFile(const std::vector<JournalRun>& runs,
                                     const std::string& raceFile);

} // namespace racedesk
