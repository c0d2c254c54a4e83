#include "core/timing/ranking.h"

#include "core/common/text_builder.h"
#include "core/timing/run_engine.h"

#include <string_view>

namespace racedesk {
namespace {

struct Candidate {
    int slot = 0;
    int laps = 0;
    RaceTime total = 0;
    RaceTime best = 0;
    RaceTime last = 0;
};

Candidate candidateOf(const CarSlot& s, int slot) {
    const auto n = std::size_t(s.passings);
    return {slot, s.laps, s.totalTime, s.bestLap, n < kLapTableSize ? s.lapTimes[n] : 0};
}

// The values a candidate is compared with: sentinels stand for the times it lacks.
Candidate comparedLapsThenTime(Candidate c) {
    if (c.laps == 0) {
        if (c.total == 0)
            c.total = kMissingTime;
        if (c.last == 0)
            c.last = kMissingTime;
    }
    return c;
}

Candidate comparedBestLap(Candidate c) {
    if (c.laps == 0) {
        if (c.best == 0)
            c.best = kMissingTime;
        if (c.last == 0)
            c.last = kMissingTime;
    } else if (c.best == 0) {
        c.best = kOneLapNoBest;
    }
    return c;
}

// True when c beats b; at full equality the later slot, scanned last, wins.
bool beats(const Candidate& c, const Candidate& b, RankingMode mode) {
    if (mode == RankingMode::LapsThenTime) {
        if (c.laps != b.laps)
            return c.laps > b.laps;
        if (c.total != b.total)
            return c.total < b.total;
        return c.last <= b.last;
    }
    if (c.best != b.best)
        return c.best < b.best;
    return c.last <= b.last;
}

int selectBest(const std::array<Candidate, kCarCount>& pool, RankingMode mode) {
    Candidate best{-1, 0, kNoTime, kNoTime, kNoTime};
    int chosen = -1;
    for (int i = 0; i < kCarCount; ++i) {
        const Candidate& raw = pool[std::size_t(i)];
        const Candidate c =
            mode == RankingMode::LapsThenTime ? comparedLapsThenTime(raw) : comparedBestLap(raw);
        if (beats(c, best, mode)) {
            best = c;
            chosen = i;
        }
    }
    return chosen;
}

void fillEntry(RankEntry& e, const CarSlot& s, const Candidate& c) {
    e = RankEntry{};
    e.name = s.name.view();
    e.transponder = s.transponder.view();
    e.carNumber = s.carNumber;
    e.laps = s.laps;
    e.totalTime = c.total;
    e.bestLap = c.best;
    e.passings = s.passings;
    const auto n = std::size_t(s.passings);
    e.ownTimeAtLastLap = n < kLapTableSize ? s.cumulativeTimes[n] : 0;
    e.bestLapFromTable = s.bestLapFromTable;
    e.lastLap = c.last;
    e.finished = s.finished;
    e.justPassed = s.justPassed;
    e.newBestLap = s.newBestLap;
    e.runBestHolder = s.runBestHolder;
}

void setGapsLapsThenTime(RankEntries& entries, int count) {
    for (int i = 1; i < count; ++i) {
        RankEntry& e = entries[std::size_t(i)];
        const bool hasTime = e.laps != 0 || e.totalTime != 0;
        const RankEntry& leader = entries[0];
        const RankEntry& previous = entries[std::size_t(i - 1)];
        e.lapsToLeader = leader.laps - e.laps;
        e.timeToLeader = e.laps == leader.laps && hasTime ? e.totalTime - leader.totalTime : 0;
        e.lapsToPrevious = previous.laps - e.laps;
        e.timeToPrevious =
            e.laps == previous.laps && hasTime ? e.totalTime - previous.totalTime : 0;
    }
}

void setGapsBestLap(RankEntries& entries, int count) {
    for (int i = 1; i < count; ++i) {
        RankEntry& e = entries[std::size_t(i)];
        const bool hasBest = e.bestLap != 0;
        e.lapsToLeader = 0;
        e.lapsToPrevious = 0;
        e.timeToLeader = hasBest ? e.bestLap - entries[0].bestLap : 0;
        e.timeToPrevious = hasBest ? e.bestLap - entries[std::size_t(i - 1)].bestLap : 0;
    }
}

void splitTimes(RankEntry& e) {
    e.total = splitTime(e.totalTime);
    e.last = splitTime(e.lastLap);
    e.best = splitTime(e.bestLap);
    e.toLeader = splitTime(e.timeToLeader);
    e.toPrevious = splitTime(e.timeToPrevious);
    e.ownTime = splitTime(e.ownTimeAtLastLap);
    e.bestFromTable = splitTime(e.bestLapFromTable);
}

// A time of 0 is shown blank, never as "0.000".
template <std::size_t N>
void setShortTime(FixedText<N>& field, RaceTime value, const TimeParts& parts) {
    field.clear();
    if (value != 0)
        formatShortTime(parts, field.data, int(N));
}

// Numbers are built by hand: the rows are rebuilt after every lap of every car.
template <std::size_t N>
void setNumber(FixedText<N>& field, int value, std::string_view before = {},
               std::string_view after = {}) {
    TextBuilder text(field.data, int(N));
    text.put(before).number(value).put(after);
}

template <std::size_t N>
void setGap(FixedText<N>& field, int laps, RaceTime time, const TimeParts& parts) {
    if (laps > 0)
        setNumber(field, laps, {}, "t");
    else
        setShortTime(field, time, parts);
}

void formatRow(const RankEntry& e, RankingMode mode, BoardRow& row) {
    row.name = e.name.view();
    row.transponder = e.transponder.view();
    setNumber(row.carNumber, e.carNumber, " ", " ");
    setNumber(row.laps, e.laps);
    setNumber(row.passings, e.passings);
    row.totalTime.clear();
    if (e.laps != 0 || e.totalTime != 0)
        formatFullTime(e.total, row.totalTime.data, int(sizeof row.totalTime.data));
    setShortTime(row.lastLap, e.lastLap, e.last);
    setShortTime(row.bestLap, e.bestLap, e.best);
    const bool lapsMode = mode == RankingMode::LapsThenTime;
    setGap(row.gapToLeader, lapsMode ? e.lapsToLeader : 0, e.timeToLeader, e.toLeader);
    setGap(row.gapToPrevious, lapsMode ? e.lapsToPrevious : 0, e.timeToPrevious, e.toPrevious);
    setShortTime(row.ownTimeAtLastLap, e.ownTimeAtLastLap, e.ownTime);
    setShortTime(row.bestLapFromTable, e.bestLapFromTable, e.bestFromTable);
    row.finished = e.finished;
    row.justPassed = e.justPassed;
    row.newBestLap = e.newBestLap;
    row.runBestHolder = e.runBestHolder;
}

} // namespace

int buildRankEntries(const CarSlots& slots, RankEntries& entries) {
    int count = 0;
    for (int i = 0; i < kCarCount; ++i) {
        const CarSlot& s = slots[std::size_t(i)];
        if (s.isEmptySlot())
            continue;
        RankEntry& e = entries[std::size_t(count++)];
        e = RankEntry{};
        e.name = s.name.view();
        e.transponder = s.transponder.view();
        e.carNumber = i + 1;
    }
    for (int i = count; i < kCarCount; ++i) {
        entries[std::size_t(i)] = RankEntry{};
        entries[std::size_t(i)].finished = true;
    }
    return count;
}

void clearBoardRows(const RankEntries& entries, int count, BoardRows& rows) {
    for (BoardRow& row : rows)
        row = BoardRow{};
    for (int i = 0; i < count && i < kCarCount; ++i) {
        const RankEntry& e = entries[std::size_t(i)];
        BoardRow& row = rows[std::size_t(i)];
        row.name = e.name.view();
        row.transponder = e.transponder.view();
        setNumber(row.position, i + 1);
        setNumber(row.carNumber, e.carNumber, " ", " ");
        setNumber(row.laps, e.laps);
        setNumber(row.passings, e.passings);
    }
}

void rankRun(CarSlots& slots, RankingMode mode, int count, RankEntries& entries, BoardRows& rows) {
    std::array<Candidate, kCarCount> pool;
    for (int i = 0; i < kCarCount; ++i)
        pool[std::size_t(i)] = candidateOf(slots[std::size_t(i)], i);

    for (int position = 0; position < count && position < kCarCount; ++position) {
        const int chosen = selectBest(pool, mode);
        if (chosen < 0)
            break;
        CarSlot& slot = slots[std::size_t(chosen)];
        fillEntry(entries[std::size_t(position)], slot, pool[std::size_t(chosen)]);
        if (slot.justPassed && slot.laps >= 0 && slot.laps < kLapTableSize)
            slot.positions[std::size_t(slot.laps)] = position + 1;
        pool[std::size_t(chosen)] = {chosen, 0, kAlreadyTaken, kAlreadyTaken, kAlreadyTaken};
    }

    if (mode == RankingMode::LapsThenTime)
        setGapsLapsThenTime(entries, count);
    else
        setGapsBestLap(entries, count);

    for (int i = 0; i < count && i < kCarCount; ++i) {
        RankEntry& e = entries[std::size_t(i)];
        splitTimes(e);
        formatRow(e, mode, rows[std::size_t(i)]);
    }
}

void bestLapFromTable(CarSlots& slots, StartMode startMode) {
    const int firstLap = firstTimedLap(startMode);
    for (CarSlot& s : slots) {
        RaceTime best = 0;
        const int last = s.passings < kLapTableSize ? s.passings : kLapTableSize - 1;
        for (int j = firstLap; j <= last; ++j) {
            if (s.manualLaps[std::size_t(j)])
                continue;
            const RaceTime lap =
                s.cumulativeTimes[std::size_t(j)] - s.cumulativeTimes[std::size_t(j - 1)];
            if (best == 0 || lap < best)
                best = lap;
        }
        s.bestLapFromTable = best;
    }
}

} // namespace racedesk
