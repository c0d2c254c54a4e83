#pragma once
#include "core/race/participant.h"
#include "core/timing/car_slot.h"

#include <string>

namespace racedesk {

// Whether a first frequency can clash with another driver's: an empty one or "2.4Ghz" (spread
// spectrum) never does.
bool canConflict(const FrequencyText& frequency);

// True when two drivers of the run share the first radio frequency of their participant
// entry. Empty frequencies and "2.4Ghz" (spread spectrum, no conflict) never count.
bool checkFrequencyConflict(const CarSlots& slots, const ParticipantTable& participants);

// What the board's banner says of the conflicts: each shared frequency with the drivers who
// share it ("Conflit radio : 27.145 (Alice, Bob)"), or an empty text when there is none.
std::string frequencyConflictText(const CarSlots& slots, const ParticipantTable& participants);

} // namespace racedesk
