#pragma once
#include "core/race/finals_sections.h"
#include "core/race/heat_section.h"
#include "core/race/participant.h"

#include <array>

namespace racedesk {

// The lines of a stored final, best first: more laps, then less total time, then a shorter
// last lap; a line without laps counts a zero time as missing; of lines equal on all three
// the later one comes first. Indexes into run.cars.
using FinishingOrder = std::array<int, kCarCount>;
FinishingOrder finishingOrder(const StoredRun& run);

// The overall qualifying order the finals are filled from, best first.
using QualifyingOrder = std::array<DriverName, kMaxParticipants>;

// The stored finals feeding a final: for the Final the 1/2 A and B finals, for a lettered
// final the final of its letter one level lower, in `a`. Null when not stored: the places of
// the drivers it would send up stay empty.
struct FinalFeeders {
    const StoredRun* a = nullptr;
    const StoredRun* b = nullptr;
};

// The drivers of final `finalIndex` in slot order, an empty name for an empty slot. The
// Final takes its direct qualifiers, then the 1st of 1/2 A, the 1st of 1/2 B, the 2nd of A
// ...; a lettered final its qualifiers every second place from the first place of its level
// (A from S, B from S + 1), then the best of its feeder. `levels` is the deepest level, which
// no final feeds.
using FinalField = std::array<DriverName, kCarCount>;
FinalField fillFinal(const FinalsComposition& c, int levels, int finalIndex,
                     const QualifyingOrder& qualifying, const FinalFeeders& feeders);

} // namespace racedesk
