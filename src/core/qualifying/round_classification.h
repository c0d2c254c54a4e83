#pragma once
#include "core/race/classification_sections.h"
#include "core/race/heat_section.h"

namespace racedesk {

// The rules of a round's classification, on a RoundClassification whose entries are the
// drivers of the round's heats in the order the heats were read.

// An entry no heat filled: no name, no laps, the no-time value for both times.
RoundEntry neverFilledEntry();
// Every entry never filled.
void clearRoundEntries(RoundClassification& round);

// The first N car lines of a stored heat become entries from `next` on ("(NA)" an empty name);
// gives the index after the last one written. Entries stop at the table's end.
int addHeatEntries(RoundClassification& round, int next, const StoredRun& heat, int driversPerHeat);

// The entries in order by round.ranking. A driver without laps or time, and a missing best
// lap, count as the missing-time value so that they come after every time; the stored values
// stay as they were.
void sortRoundEntries(RoundClassification& round);

// The points of the first P places by round.scale; places from P on get none.
void computeRoundPoints(RoundClassification& round, int participants);

// Sorts by round.ranking, then computes the points: what a change of mode does.
void rankRound(RoundClassification& round, int participants);

// The category's participants minus the entries that hold a driver; never below 0.
int driversNotRun(const RoundClassification& round, int participants);

} // namespace racedesk
