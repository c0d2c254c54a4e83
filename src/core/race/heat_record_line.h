#pragma once
#include "core/common/field_writer.h"
#include "core/common/fixed_text.h"
#include "core/common/race_time.h"
#include "core/race/participant.h"
#include "core/timing/car_slot.h"

#include <array>
#include <string_view>

namespace racedesk {

// The lines of a stored run (a heat or a final): one HeatRecordLine per car slot, then the
// RunSummary.

inline constexpr int kMaxStoredPassings = kLapTableSize - 1; // n: 0 to 300
inline constexpr int kMaxStoredLaps = 999;                   // the board edits three digits

// One car slot of a stored run: name, n, laps, total time, the last lap (lap time n), the best
// lap, then the cumulative times 0 to n (0 is the start). The defaults are an empty slot's:
// "(NA)", no passings, and the no-time value where a time is stored.
struct HeatRecordLine {
    DriverName name{kEmptySlotName};
    int passings = 0;
    int laps = 0;
    RaceTime totalTime = kNoTime;
    RaceTime lastLap = 0;
    RaceTime bestLap = kNoTime;
    std::array<RaceTime, kLapTableSize> cumulativeTimes{kNoTime}; // entries 0 to n
};

// The track conditions a run is stored with.
inline constexpr std::string_view kConditionDry = "Sec";
inline constexpr std::string_view kConditionWet = "Pluie";
inline constexpr std::string_view kConditionIce = "Glace";

struct RunSummary {
    FixedText<105> summary;                // "Durée ... - Départ ...", at most 104 characters
    FixedText<99> comment;                 // at most 98 characters
    FixedText<6> condition{kConditionDry}; // "Sec", "Pluie" or "Glace"
};

// n + 7 fields; n is brought within 0 to 300 so that the line holds what a slot can.
void appendHeatRecordLine(FieldWriter& out, const HeatRecordLine& line);
// One line's fields, without its line end. n is brought within 0 to 300 and the laps within
// 0 to 999, the name cut to 39 characters; a field the line does not hold keeps its default.
// An empty line is an empty slot.
HeatRecordLine parseHeatRecordLine(std::string_view line);

void appendRunSummary(FieldWriter& out, const RunSummary& summary);
// Over `summary`: the summary and the comment are taken; the condition only when the line
// does not end after the comment, else it keeps what it held.
void parseRunSummary(std::string_view line, RunSummary& summary);

} // namespace racedesk
