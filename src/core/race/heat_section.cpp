#include "core/race/heat_section.h"

#include "core/race/section_reading.h"
#include "core/race/section_titles.h"

#include <algorithm>

namespace racedesk {

int storedRunUnits(std::string_view title, int drivers) {
    return isFinalRunTitle(title) ? finalUnits(drivers) : heatUnits(drivers);
}

Text storedRunTitleNotFound(std::string_view title) {
    return isFinalRunTitle(title) ? kFinalTitleNotFound : kHeatTitleNotFound;
}

std::string composeStoredRun(const StoredRun& run, bool isFinal) {
    FieldWriter out;
    if (isFinal) {
        out.integer(run.state);
        out.endLine();
    }
    for (const HeatRecordLine& car : run.cars)
        appendHeatRecordLine(out, car);
    appendRunSummary(out, run.summary);
    return out.contents();
}

void parseStoredRun(std::string_view body, bool isFinal, StoredRun& run) {
    FieldReader lines(body);
    if (isFinal) {
        FieldReader first(nextFilledLine(lines));
        readClamped(first, run.state, kFinalNotStored, kFinalUsedAbove);
    }
    for (HeatRecordLine& car : run.cars)
        car = parseHeatRecordLine(nextFilledLine(lines));
    parseRunSummary(nextFilledLine(lines), run.summary);
}

bool readStoredRun(SectionFile& file, std::string_view title, StoredRun& run) {
    const std::optional<std::string_view> body = file.body(title);
    if (body)
        parseStoredRun(*body, isFinalRunTitle(title), run);
    return body.has_value();
}

int readFinalState(SectionFile& file, std::string_view title) {
    const std::optional<std::string_view> body = file.body(title);
    int state = kFinalNotStored;
    if (body) {
        FieldReader lines(*body);
        FieldReader first(nextFilledLine(lines));
        readClamped(first, state, kFinalNotStored, kFinalUsedAbove);
    }
    return state;
}

WriteStatus writeStoredRun(SectionFile& file, std::string_view title, int drivers,
                           const StoredRun& run) {
    return file.write(title, storedRunUnits(title, drivers),
                      composeStoredRun(run, isFinalRunTitle(title)));
}

void restoreSlots(const StoredRun& run, CarSlots& slots) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const HeatRecordLine& car = run.cars[i];
        CarSlot& slot = slots[i];
        const int n = std::clamp(car.passings, 0, kMaxStoredPassings);
        slot.name = car.name;
        slot.passings = n;
        slot.laps = std::clamp(car.laps, 0, kMaxStoredLaps);
        slot.totalTime = car.totalTime;
        slot.lapTimes[std::size_t(n)] = car.lastLap;
        slot.bestLap = car.bestLap;
        std::copy_n(car.cumulativeTimes.begin(), n + 1, slot.cumulativeTimes.begin());
    }
}

StoredRun storedRunFromSlots(const CarSlots& slots, const RunSummary& summary, int state) {
    StoredRun run;
    run.state = state;
    run.summary = summary;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const CarSlot& slot = slots[i];
        HeatRecordLine& car = run.cars[i];
        car.name = slot.name;
        if (slot.isEmptySlot())
            continue; // the defaults are an empty slot's line
        const int n = std::clamp(slot.passings, 0, kMaxStoredPassings);
        car.passings = n;
        car.laps = slot.laps;
        car.totalTime = slot.totalTime;
        car.lastLap = slot.lapTimes[std::size_t(n)];
        car.bestLap = slot.bestLap;
        std::copy_n(slot.cumulativeTimes.begin(), n + 1, car.cumulativeTimes.begin());
    }
    return run;
}

} // namespace racedesk
