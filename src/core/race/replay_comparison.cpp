#include "core/race/replay_comparison.h"

#include "core/race/section_file.h"

#include <cstdio>
#include <map>

namespace racedesk {
namespace {

const char* endName(JournalRunEnd end) {
    switch (end) {
    case JournalRunEnd::Open:
        return "interrupted";
    case JournalRunEnd::Stopped:
        return "stopped, not committed";
    case JournalRunEnd::Cleared:
        return "cleared";
    case JournalRunEnd::Committed:
        return "committed";
    case JournalRunEnd::Declined:
        return "interrupted, not taken back";
    }
    return "";
}

std::string timeText(RaceTime t) {
    if (t == kNoTime)
        return "-";
    char text[32];
    return formatShortTime(splitTime(t), text, int(sizeof text));
}

template <typename... Args> std::string line(const char* pattern, Args... args) {
    char text[300];
    std::snprintf(text, sizeof text, pattern, args...);
    return text;
}

void compareTime(std::vector<std::string>& out, const std::string& car, const char* what,
                 RaceTime replayed, RaceTime stored) {
    if (replayed != stored)
        out.push_back(line("%s: %s %s, stored %s", car.c_str(), what, timeText(replayed).c_str(),
                           timeText(stored).c_str()));
}

void compareCar(std::vector<std::string>& out, int number, const HeatRecordLine& replayed,
                const HeatRecordLine& stored) {
    const std::string car = line("car %d %s", number, replayed.name.c_str());
    if (replayed.name != stored.name.view()) {
        out.push_back(line("%s: stored as %s", car.c_str(), stored.name.c_str()));
        return;
    }
    if (replayed.laps != stored.laps)
        out.push_back(line("%s: laps %d, stored %d", car.c_str(), replayed.laps, stored.laps));
    if (replayed.passings != stored.passings)
        out.push_back(
            line("%s: passings %d, stored %d", car.c_str(), replayed.passings, stored.passings));
    compareTime(out, car, "total time", replayed.totalTime, stored.totalTime);
    compareTime(out, car, "last lap", replayed.lastLap, stored.lastLap);
    compareTime(out, car, "best lap", replayed.bestLap, stored.bestLap);
    const int laps = std::min(replayed.laps, stored.laps);
    for (int lap = 1; lap <= laps && lap < kLapTableSize; ++lap) {
        const auto n = std::size_t(lap);
        compareTime(out, car, line("time at lap %d", lap).c_str(), replayed.cumulativeTimes[n],
                    stored.cumulativeTimes[n]);
    }
}

} // namespace

std::string replayedRunText(const JournalRun& run, const ReplayedRun& replayed) {
    const JournalRunStart& s = run.start;
    std::string text = line("%s %s %04d-%02d-%02d %02d:%02d:%02d (%s)\n", s.sectionTitle.c_str(),
                            s.runTitle.c_str(), s.at.year, s.at.month, s.at.day, s.at.hour,
                            s.at.minute, s.at.second, endName(run.end));
    for (int i = 0; i < replayed.entryCount; ++i) {
        const BoardRow& row = replayed.rows[std::size_t(i)];
        const RankEntry& e = replayed.entries[std::size_t(i)];
        text += line("%3s %3s %-39s %4d %12s %10s\n", row.position.c_str(), row.carNumber.c_str(),
                     e.name.c_str(), e.laps, timeText(e.totalTime).c_str(),
                     timeText(e.bestLap).c_str());
    }
    return text;
}

std::vector<std::string> storedRunDifferences(const ReplayedRun& replayed,
                                              const StoredRun& stored) {
    const StoredRun timed = storedRunFromSlots(replayed.slots, RunSummary{}, kFinalNotStored);
    std::vector<std::string> out;
    for (int i = 0; i < kCarCount; ++i) {
        const HeatRecordLine& a = timed.cars[std::size_t(i)];
        const HeatRecordLine& b = stored.cars[std::size_t(i)];
        if (a.name == kEmptySlotName && b.name == kEmptySlotName)
            continue;
        compareCar(out, i + 1, a, b);
    }
    return out;
}

ReplayComparison compareWithRaceFile(const std::vector<JournalRun>& runs,
                                     const std::string& raceFile) {
    ReplayComparison result;
    SectionFile file(raceFile);
    if (!file.isOpen()) {
        result.lines.push_back(line("%s: cannot be read", raceFile.c_str()));
        return result;
    }
    // A heat run again after a clear is stored as its last commit left it.
    std::map<std::string, const JournalRun*> lastCommitted;
    for (const JournalRun& run : runs) {
        if (run.end == JournalRunEnd::Committed)
            lastCommitted[std::string(run.start.sectionTitle.view())] = &run;
    }
    for (const JournalRun& run : runs) {
        const std::string title(run.start.sectionTitle.view());
        if (lastCommitted[title] != &run)
            continue;
        StoredRun stored;
        if (!readStoredRun(file, title, stored)) {
            result.lines.push_back(title + ": no such section in the race file");
            ++result.runsDiffering;
            continue;
        }
        ReplayedRun replayed;
        replayRun(run, replayed);
        ++result.runsCompared;
        const std::vector<std::string> differences = storedRunDifferences(replayed, stored);
        if (!differences.empty())
            ++result.runsDiffering;
        for (const std::string& d : differences)
            result.lines.push_back(title + ": " + d);
    }
    return result;
}

} // namespace racedesk
