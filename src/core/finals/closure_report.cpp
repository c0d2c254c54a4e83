#include "core/finals/closure_report.h"

#include "core/app/program.h"
#include "core/finals/final_filling.h"
#include "core/finals/finals_texts.h"
#include "core/qualifying/classification_storage.h"
#include "core/race/classification_sections.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "core/timing/car_slot.h"

#include <algorithm>
#include <cstdio>

namespace racedesk {
namespace {

bool listed(const DriverName& name) {
    return !name.empty() && name != kEmptySlotName;
}

const StoredRun* runOf(const ClosureSources& s, int finalIndex) {
    const std::optional<StoredRun>& run = s.finals[std::size_t(finalIndex)];
    return run ? &*run : nullptr;
}

void addQualifiers(std::vector<ClosureRow>& rows, const ClosureSources& s, int from, int to) {
    for (int i = std::max(from, 0); i < to && i < int(s.qualifying.size()); ++i) {
        ClosureRow row;
        row.name = s.qualifying[std::size_t(i)].name;
        if (listed(row.name))
            rows.push_back(row);
    }
}

// The drivers of one final in finishing order, with their results in it.
std::vector<ClosureRow> finalRows(const ClosureSources& s, int finalIndex) {
    std::vector<ClosureRow> rows;
    const StoredRun* run = runOf(s, finalIndex);
    if (run == nullptr)
        return rows;
    const FinishingOrder order = finishingOrder(*run);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const HeatRecordLine& line = run->cars[std::size_t(order[i])];
        if (!listed(line.name))
            continue;
        ClosureRow row;
        row.name = line.name;
        row.level = levelOfFinal(finalIndex);
        row.isA = finalIndex == 0 || isAFinal(finalIndex);
        row.place = int(i) + 1;
        row.laps = line.laps;
        row.totalTime = line.totalTime;
        rows.push_back(row);
    }
    return rows;
}

// A level's A and B finals, interleaved by place.
void addLevel(std::vector<ClosureRow>& rows, const ClosureSources& s, int level) {
    if (level == 0) {
        const std::vector<ClosureRow> final = finalRows(s, 0);
        rows.insert(rows.end(), final.begin(), final.end());
        return;
    }
    const std::vector<ClosureRow> a = finalRows(s, finalIndexOf(level, true));
    const std::vector<ClosureRow> b = finalRows(s, finalIndexOf(level, false));
    for (int place = 1; place <= kCarCount; ++place) {
        for (const std::vector<ClosureRow>* f : {&a, &b}) {
            const auto it = std::find_if(f->begin(), f->end(),
                                         [place](const ClosureRow& r) { return r.place == place; });
            if (it != f->end())
                rows.push_back(*it);
        }
    }
}

// The level that leads the finals rows: the Final once run, else the highest level whose A and
// B finals have both been run; -1 when no level is complete.
int leadingLevel(const ClosureSources& s) {
    if (finalRun(s, 0))
        return 0;
    for (int level = 1; level <= s.levels && level <= kDeepestFinalsLevel; ++level) {
        if (finalRun(s, finalIndexOf(level, true)) && finalRun(s, finalIndexOf(level, false)))
            return level;
    }
    return -1;
}

void lookUpQualifying(ClosureRow& row, const ClosureSources& s) {
    for (std::size_t i = 0; i < s.qualifying.size(); ++i) {
        if (s.qualifying[i].name == row.name) {
            row.qualifyingPlace = int(i) + 1;
            row.qualifyingPoints = s.qualifying[i].points;
            return;
        }
    }
}

void rank(std::vector<ClosureRow>& rows) {
    int next = 1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const bool earlier =
            std::any_of(rows.begin(), rows.begin() + std::ptrdiff_t(i),
                        [&](const ClosureRow& r) { return r.name == rows[i].name; });
        rows[i].rank = earlier ? 0 : next++;
    }
}

template <typename... Args> std::string formatted(FinalsText pattern, Args... args) {
    char text[96];
    std::snprintf(text, sizeof text, tx(pattern), args...);
    return text;
}

} // namespace

bool finalRun(const ClosureSources& s, int finalIndex) {
    const StoredRun* run = runOf(s, finalIndex);
    return run != nullptr && std::any_of(run->cars.begin(), run->cars.end(),
                                         [](const HeatRecordLine& l) { return l.laps > 0; });
}

std::vector<ClosureRow> closureRows(const ClosureSources& s) {
    std::vector<ClosureRow> rows;
    const int finalists = s.composition.participants;
    const int leading = leadingLevel(s);
    addQualifiers(rows, s, 0, leading < 0 ? finalists : directAbove(s.composition, leading));
    if (leading >= 0) {
        for (int level = leading; level <= s.levels && level <= kDeepestFinalsLevel; ++level)
            addLevel(rows, s, level);
    }
    addQualifiers(rows, s, finalists, int(s.qualifying.size()));
    if (rows.size() > std::size_t(kMaxReportRows))
        rows.resize(std::size_t(kMaxReportRows));
    for (ClosureRow& row : rows)
        lookUpQualifying(row, s);
    rank(rows);
    return rows;
}

std::string rankText(const ClosureRow& row) {
    return row.rank == 0 ? std::string(tx(FinalsText::RankRepeated)) : std::to_string(row.rank);
}

std::string levelText(const ClosureRow& row) {
    if (row.level == kQualifyingOnly)
        return tx(FinalsText::LevelQualifying);
    if (row.level == 0)
        return tx(FinalsText::LevelFinale);
    return formatted(row.isA ? FinalsText::LevelA : FinalsText::LevelB, 1 << row.level);
}

std::string resultText(const ClosureRow& row) {
    if (row.level == kQualifyingOnly)
        return {};
    const TimeParts t = splitTime(std::max(row.totalTime, 0));
    if (t.hours == 0)
        return formatted(FinalsText::ResultUnderAnHour, row.laps, t.minutes, t.seconds, t.millis);
    return formatted(FinalsText::ResultHours, row.laps, t.hours, t.minutes, t.seconds, t.millis);
}

} // namespace racedesk
