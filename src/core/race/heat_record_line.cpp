#include "core/race/heat_record_line.h"

#include "core/common/field_reader.h"
#include "core/race/section_reading.h"

#include <algorithm>
#include <type_traits>

namespace racedesk {

static_assert(std::is_same_v<RaceTime, int>, "times are read as integer fields");

void appendHeatRecordLine(FieldWriter& out, const HeatRecordLine& line) {
    const int n = std::clamp(line.passings, 0, kMaxStoredPassings);
    out.text(line.name.view());
    out.integer(n);
    out.integer(line.laps);
    out.integer(line.totalTime);
    out.integer(line.lastLap);
    out.integer(line.bestLap);
    for (int j = 0; j <= n; ++j)
        out.integer(line.cumulativeTimes[std::size_t(j)]);
    out.endLine();
}

HeatRecordLine parseHeatRecordLine(std::string_view text) {
    HeatRecordLine line;
    if (text.empty())
        return line;
    FieldReader in(text);
    in.text(line.name);
    readClamped(in, line.passings, 0, kMaxStoredPassings);
    readClamped(in, line.laps, 0, kMaxStoredLaps);
    readTime(in, line.totalTime);
    readTime(in, line.lastLap);
    readTime(in, line.bestLap);
    for (int j = 0; j <= line.passings; ++j)
        readTime(in, line.cumulativeTimes[std::size_t(j)]);
    return line;
}

void appendRunSummary(FieldWriter& out, const RunSummary& summary) {
    out.text(summary.summary.view());
    out.text(summary.comment.view());
    out.text(summary.condition.view());
    out.endLine();
}

void parseRunSummary(std::string_view line, RunSummary& summary) {
    FieldReader in(line);
    in.text(summary.summary);
    in.text(summary.comment);
    if (!in.atLineEnd())
        in.text(summary.condition);
}

} // namespace racedesk
