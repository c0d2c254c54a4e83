#include "core/race/results_editing.h"

#include "core/app/program.h"
#include "core/common/race_time.h"
#include "core/timing/journal_events.h"
#include "core/timing/ranking.h"

#include <algorithm>
#include <cstdio>

namespace racedesk {
namespace {

constexpr const char* kEditBeep = "sons/beep1.wav";
constexpr int kLapsField = 0;

// The four parts of a time, after the laps field.
enum TimePart { kHours, kMinutes, kSeconds, kMillis, kPartCount };
enum TimeGroup { kTotalGroup, kLastLapGroup, kBestLapGroup };

constexpr int kPartDigits[kPartCount] = {1, 2, 2, 3};
// Shares of a time cell's width, so each part has room for its digits.
constexpr int kPartShares[kPartCount] = {2, 3, 3, 4};
constexpr int kShareTotal = 12;
constexpr int kGroupColumns[] = {kTotalColumn, kLastLapColumn, kBestLapColumn};

int groupOf(int field) {
    return (field - 1) / kPartCount;
}

int partOf(int field) {
    return (field - 1) % kPartCount;
}

int firstFieldOf(int group) {
    return 1 + group * kPartCount;
}

RaceTime groupTime(const ResultValues& v, int group) {
    const auto at = [&](int part) { return v[std::size_t(firstFieldOf(group) + part)]; };
    return at(kHours) * 3'600'000 + at(kMinutes) * 60'000 + at(kSeconds) * 1000 + at(kMillis);
}

void setGroupTime(ResultValues& v, int group, RaceTime time) {
    const TimeParts t = splitTime(time);
    const int parts[kPartCount] = {t.hours, t.minutes, t.seconds, t.millis};
    for (int part = 0; part < kPartCount; ++part) {
        const int field = firstFieldOf(group) + part;
        v[std::size_t(field)] = clampResultField(field, parts[part]);
    }
}

RaceTime lastLapOf(const CarSlot& s) {
    return s.passings >= 0 && s.passings < kLapTableSize ? s.lapTimes[std::size_t(s.passings)] : 0;
}

const CarSlot* driverSlot(const Program& p, const BoardRow& row) {
    for (const CarSlot& s : p.slots) {
        if (!s.isEmptySlot() && s.name == row.name.view())
            return &s;
    }
    return nullptr;
}

template <std::size_t N> void setShortTime(FixedText<N>& field, RaceTime time) {
    field.clear();
    if (time != 0)
        formatShortTime(splitTime(time), field.data, int(N));
}

// The row's texts as the ranking writes them: a time of 0 is blank, and the total shows once
// the car has laps or a time.
void showValues(BoardRow& row, const ResultValues& v) {
    const int laps = v[kLapsField];
    char text[16];
    std::snprintf(text, sizeof text, "%d", laps);
    row.laps = text;
    const RaceTime total = groupTime(v, kTotalGroup);
    row.totalTime.clear();
    if (laps != 0 || total != 0)
        formatFullTime(splitTime(total), row.totalTime.data, int(sizeof row.totalTime.data));
    setShortTime(row.lastLap, groupTime(v, kLastLapGroup));
    setShortTime(row.bestLap, groupTime(v, kBestLapGroup));
}

void storeInSlot(CarSlot& s, const ResultValues& v, int field) {
    if (field == kLapsField) {
        s.laps = v[kLapsField];
        return;
    }
    const int group = groupOf(field);
    const RaceTime time = groupTime(v, group);
    if (group == kTotalGroup)
        s.totalTime = time;
    else if (group == kBestLapGroup)
        s.bestLap = time;
    else if (s.passings >= 0 && s.passings < kLapTableSize)
        s.lapTimes[std::size_t(s.passings)] = time;
}

} // namespace

int resultFieldDigits(int field) {
    if (field <= kLapsField)
        return 3;
    return kPartDigits[partOf(std::min(field, kResultFieldCount - 1))];
}

int clampResultField(int field, int value) {
    int most = 1;
    for (int d = 0; d < resultFieldDigits(field); ++d)
        most *= 10;
    most -= 1;
    if (field > kLapsField && (partOf(field) == kMinutes || partOf(field) == kSeconds))
        most = 59;
    return std::clamp(value, 0, most);
}

std::string resultFieldText(int field, int value) {
    char text[16];
    const char* format = "%d";
    if (field > kLapsField && partOf(field) != kHours)
        format = partOf(field) == kMillis ? "%03d" : "%02d";
    std::snprintf(text, sizeof text, format, value);
    return text;
}

Rect resultFieldRect(const BoardLayout& layout, int visibleRow, int field) {
    if (field <= kLapsField)
        return layout.cell(visibleRow, kLapsColumn);
    const Rect cell = layout.cell(visibleRow, kGroupColumns[groupOf(field)]);
    int before = 0;
    for (int part = 0; part < partOf(field); ++part)
        before += kPartShares[part];
    const int after = before + kPartShares[partOf(field)];
    return {cell.left + cell.width() * before / kShareTotal, cell.top,
            cell.left + cell.width() * after / kShareTotal, cell.bottom};
}

bool loadedRunEditable(const LoadedRun& run) {
    return run.loaded() && !run.readOnly;
}

bool canEditResults(const Program& p) {
    return loadedRunEditable(p.loaded) && !p.run.inProgress();
}

bool beginResultsEditing(Program& p) {
    if (!canEditResults(p))
        return false;
    p.loaded.editingResults = true;
    return true;
}

void endResultsEditing(Program& p) {
    p.loaded.editingResults = false;
}

bool openResultsEdit(Program& p, int row, ResultsEdit& edit) {
    if (!p.loaded.editingResults || row < 0 || row >= p.entryCount)
        return false;
    const CarSlot* s = driverSlot(p, p.rows[std::size_t(row)]);
    if (s == nullptr)
        return false;
    p.io.sound.play(kEditBeep, false);
    edit.row = row;
    edit.values[kLapsField] = clampResultField(kLapsField, s->laps);
    setGroupTime(edit.values, kTotalGroup, s->totalTime);
    setGroupTime(edit.values, kLastLapGroup, lastLapOf(*s));
    setGroupTime(edit.values, kBestLapGroup, s->bestLap);
    return true;
}

int editResultField(Program& p, ResultsEdit& edit, int field, int value) {
    if (field < 0 || field >= kResultFieldCount || edit.row < 0 || edit.row >= p.entryCount)
        return 0;
    const int kept = clampResultField(field, value);
    edit.values[std::size_t(field)] = kept;
    BoardRow& row = p.rows[std::size_t(edit.row)];
    for (CarSlot& s : p.slots) {
        if (!s.isEmptySlot() && s.name == row.name.view())
            storeInSlot(s, edit.values, field);
    }
    showValues(row, edit.values);
    journalResultEdit(p, edit.row, field, edit.values);
    p.run.ready = false;
    p.io.screen.invalidate(BoardArea::Rows);
    return kept;
}

void reorderBoardForPrint(Program& p) {
    endResultsEditing(p);
    bestLapFromTable(p.slots, p.run.startMode);
    rankRun(p.slots, p.run.ranking, p.entryCount, p.entries, p.rows);
    p.io.screen.invalidate(BoardArea::Rows);
}

} // namespace racedesk
