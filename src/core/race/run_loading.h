#pragma once
#include "core/common/fixed_text.h"
#include "core/common/texts.h"
#include "core/race/heat_section.h"
#include "core/race/loaded_run.h"
#include "core/race/race_header.h"
#include "core/race/track_section.h"
#include "core/timing/car_slot.h"

#include <cstdio>

namespace racedesk {

struct Program;

// What loading a qualifying heat and loading a final share.

// Some driver's slot has passings, laps or times: the run has something to store.
bool holdsResults(const CarSlots& slots);
// The message of a section the load needs and did not find.
void reportMissing(Program& p, bool found, Text message);
// The board's banner naming the drivers whose radio frequencies conflict, if any.
void showFrequencyConflict(Program& p);
// The stored run over the prepared slots, every car finished, with its summary and comment.
void showStoredRun(Program& p, const StoredRun& stored);
// The titles of a qualifying heat, or of final `finalIndex`, on the board and its printouts.
void setHeatTitles(LoadedRun& l, const CategoryName& category, const TrackSettings& track,
                   int round, int heat);
void setFinalTitles(LoadedRun& l, const CategoryName& category, const TrackSettings& track,
                    int finalIndex);
// The board's rows ranked as the run's ranking mode orders them.
void rankLoadedRun(Program& p);

// A title of the board from a pattern of the program's texts; a text without arguments is
// taken as it is.
template <std::size_t N, typename TextId, typename... Args>
void formatInto(FixedText<N>& field, TextId pattern, Args... args) {
    if constexpr (sizeof...(Args) == 0) {
        field = tx(pattern);
    } else {
        char text[256];
        std::snprintf(text, sizeof text, tx(pattern), args...);
        field = text;
    }
}

} // namespace racedesk
