#pragma once
#include "core/common/texts.h"
#include "core/race/heat_record_line.h"
#include "core/race/section_file.h"
#include "core/timing/car_slot.h"

#include <array>
#include <string>
#include <string_view>

namespace racedesk {

// The stored result of a run: a qualifying heat "Catégorie%dM%dS%d" holds the 20 car lines and
// the run summary; a final ("Catégorie%dRemontées...") has its state on a first line before
// them. Whether a title names a final is isFinalRunTitle (section_titles.h).

inline constexpr Text kHeatTitleNotFound = Text::ErrTitleQualifyingHeat;
inline constexpr Text kFinalTitleNotFound = Text::ErrTitleFinalsRun;

// A final's state.
inline constexpr int kFinalNotStored = 0; // no section yet
inline constexpr int kFinalStored = 1;    // results stored
inline constexpr int kFinalUsedAbove = 2; // and already used by the final it feeds

// N the category's drivers per heat, F its drivers per final.
constexpr int heatUnits(int driversPerHeat) {
    return 617 * driversPerHeat + 565;
}
constexpr int finalUnits(int driversPerFinal) {
    return 1376 * driversPerFinal + 587;
}
// The units of the run stored under `title`, with `drivers` drivers per heat or per final.
int storedRunUnits(std::string_view title, int drivers);
Text storedRunTitleNotFound(std::string_view title);

struct StoredRun {
    int state = kFinalNotStored; // finals only
    std::array<HeatRecordLine, kCarCount> cars;
    RunSummary summary;
};

std::string composeStoredRun(const StoredRun& run, bool isFinal);
// Over `run`: the 20 car lines are replaced (a line the body does not reach is an empty slot),
// the summary as parseRunSummary takes it, a final's state when its first line holds one.
void parseStoredRun(std::string_view body, bool isFinal, StoredRun& run);

// Reads the run stored under `title` over `run`; false, and `run` untouched, when the section
// is missing.
bool readStoredRun(SectionFile& file, std::string_view title, StoredRun& run);
// A final's state: kFinalNotStored when its section is missing.
int readFinalState(SectionFile& file, std::string_view title);
WriteStatus writeStoredRun(SectionFile& file, std::string_view title, int drivers,
                           const StoredRun& run);

// The stored values over the slots: name, passings, laps, total time, lap time n, best lap and
// cumulative times 0 to n. Nothing else of a slot changes.
void restoreSlots(const StoredRun& run, CarSlots& slots);
// The run as the slots hold it. An empty slot ("(NA)") is stored as one: no passings, no laps,
// and the no-time value for its total, best lap and start.
StoredRun storedRunFromSlots(const CarSlots& slots, const RunSummary& summary, int state);

} // namespace racedesk
