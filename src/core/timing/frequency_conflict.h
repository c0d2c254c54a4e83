#pragma once
#include "core/race/participant.h"
#include "core/timing/car_slot.h"

#include <string>

namespace racedesk {

// Whether a first frequency can clash with another driver's: an empty one or "2.4Ghz" (spread
// spectrum) never does.
bool canConflict(const FrequencyText& frequency);

// What the board's banner says when two drivers of the run share the first radio frequency of
// their participant entry (the last entry of a name counts): each shared frequency with the
// drivers who share it ("Conflit radio : 27.145 (Alice, Bob)"), or an empty text when there is
// none. Empty frequencies and "2.4Ghz" (spread spectrum) never conflict.
std::string frequencyConflictText(const CarSlots& slots, const ParticipantTable& participants);

} // namespace racedesk
