#include "core/timing/journal_runs.h"

#include "core/common/field_reader.h"

#include <chrono>

namespace racedesk {
namespace {

bool number(FieldReader& in, std::int64_t& value) {
    return parseJournalNumber(in.text(), value);
}

bool integer(FieldReader& in, int& value) {
    std::int64_t n = 0;
    if (!number(in, n) || n < -2147483647 || n > 2147483647)
        return false;
    value = int(n);
    return true;
}

template <typename Mode> bool key(FieldReader& in, Mode& mode) {
    return parseKey(in.text(), mode);
}

bool parseSettings(FieldReader& in, RunSession& run) {
    return key(in, run.ranking) && key(in, run.durationMode) && key(in, run.startMode) &&
           key(in, run.endOfTime) && key(in, run.endOfLaps) && integer(in, run.durationMinutes) &&
           integer(in, run.targetLaps) && integer(in, run.minLapSeconds) &&
           integer(in, run.maxLaps) && integer(in, run.maxHoursLapsRun) &&
           integer(in, run.circuitIndex);
}

bool parseDate(FieldReader& in, LocalDateTime& d) {
    const std::string_view date = in.text();
    const std::string_view time = in.text();
    if (date.size() != 10 || time.size() != 8)
        return false;
    const auto part = [](std::string_view s, std::size_t at, std::size_t n, int& out) {
        std::int64_t v = 0;
        const bool ok = parseJournalNumber(s.substr(at, n), v);
        out = int(v);
        return ok;
    };
    return part(date, 0, 4, d.year) && part(date, 5, 2, d.month) && part(date, 8, 2, d.day) &&
           part(time, 0, 2, d.hour) && part(time, 3, 2, d.minute) && part(time, 6, 2, d.second);
}

// Only a plausible run is taken: its numbers within the program's own limits.
bool plausible(const JournalRunStart& s) {
    return s.category >= 0 && s.category <= 9 && s.round >= 0 && s.round <= 9 && s.heat >= 0 &&
           s.heat <= 20 && s.base.frequency > 0 && s.settings.maxLaps > 0 &&
           s.settings.maxLaps < kLapTableSize && s.settings.circuitIndex >= 0 &&
           s.settings.circuitIndex <= 20;
}

void markEnd(JournalRun& run, JournalType type) {
    if (type == JournalType::Stop && run.end == JournalRunEnd::Open)
        run.end = JournalRunEnd::Stopped;
    else if (type == JournalType::Clear)
        run.end = JournalRunEnd::Cleared;
    else if (type == JournalType::Commit)
        run.end = JournalRunEnd::Committed;
}

// A correction goes to the latest run of its section, even one committed long before (the
// director may load a stored heat again to correct it); so do the commit and the clear of a
// run taken back after a crash.
void attachToLatestOfSection(std::vector<JournalRun>& runs, const JournalRecord& r) {
    const std::string_view section = FieldReader(r.payload).text();
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        if (run->start.sectionTitle == section) {
            if (run->end != JournalRunEnd::Cleared) {
                run->records.push_back(r);
                markEnd(*run, r.type);
            }
            return;
        }
    }
}

} // namespace

bool parseRunStart(const JournalRecord& record, JournalRunStart& start) {
    if (record.type != JournalType::Start)
        return false;
    FieldReader in(record.payload);
    start.stamp = record.stamp;
    in.text(start.sectionTitle);
    bool ok = integer(in, start.category) && integer(in, start.itemCode) &&
              integer(in, start.round) && integer(in, start.heat);
    start.raceFile = std::string(in.text());
    in.text(start.runTitle);
    in.text(start.interfaceType);
    ok = ok && number(in, start.base.counter) && number(in, start.base.frequency) &&
         parseSettings(in, start.settings) && parseDate(in, start.at);
    for (int i = 0; i < kCarCount && ok; ++i) {
        in.text(start.names[std::size_t(i)]);
        ok = !in.atEnd();
        in.text(start.transponders[std::size_t(i)]);
    }
    return ok && plausible(start);
}

std::vector<JournalRun> journalRuns(const std::vector<JournalRecord>& records) {
    std::vector<JournalRun> runs;
    bool inRun = false;
    for (const JournalRecord& r : records) {
        if (r.type == JournalType::Start) {
            JournalRun run;
            inRun = parseRunStart(r, run.start);
            if (inRun) {
                run.lastStamp = r.stamp;
                runs.push_back(std::move(run));
            }
            continue;
        }
        if (r.type == JournalType::Declined) {
            std::int64_t declined = 0;
            const bool known = parseJournalNumber(FieldReader(r.payload).text(), declined);
            for (JournalRun& run : runs) {
                if (known && run.start.stamp == declined && run.end == JournalRunEnd::Open)
                    run.end = JournalRunEnd::Declined;
            }
            continue;
        }
        if (r.type == JournalType::Session) {
            inRun = false;
            continue;
        }
        if (r.type == JournalType::Edit) {
            attachToLatestOfSection(runs, r);
            continue;
        }
        if (!inRun) {
            // A run taken back after a crash is committed or cleared in a later session.
            if (r.type == JournalType::Commit || r.type == JournalType::Clear)
                attachToLatestOfSection(runs, r);
            continue;
        }
        JournalRun& run = runs.back();
        run.records.push_back(r);
        run.lastStamp = r.stamp;
        markEnd(run, r.type);
        inRun = run.end != JournalRunEnd::Cleared && run.end != JournalRunEnd::Committed;
    }
    return runs;
}

LocalDateTime lastRecordTime(const JournalRun& run) {
    using namespace std::chrono;
    const JournalRunStart& s = run.start;
    const std::int64_t elapsedS = (run.lastStamp - s.stamp) / s.base.frequency;
    const sys_days day = year_month_day{year(s.at.year), month(unsigned(s.at.month)),
                                        std::chrono::day(unsigned(s.at.day))};
    const sys_seconds then = day + hours(s.at.hour) + minutes(s.at.minute) + seconds(s.at.second) +
                             seconds(elapsedS > 0 ? elapsedS : 0);
    const sys_days thenDay = floor<days>(then);
    const year_month_day ymd(thenDay);
    const hh_mm_ss<seconds> hms(then - thenDay);
    LocalDateTime d;
    d.year = int(ymd.year());
    d.month = int(unsigned(ymd.month()));
    d.day = int(unsigned(ymd.day()));
    d.hour = int(hms.hours().count());
    d.minute = int(hms.minutes().count());
    d.second = int(hms.seconds().count());
    return d;
}

} // namespace racedesk
