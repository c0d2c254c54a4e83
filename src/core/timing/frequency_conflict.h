#pragma once
#include "core/race/participant.h"
#include "core/timing/car_slot.h"

namespace racedesk {

// True when two drivers of the run share the first radio frequency of their participant
// entry. Empty frequencies and "2.4Ghz" (spread spectrum, no conflict) never count.
bool checkFrequencyConflict(const CarSlots& slots, const ParticipantTable& participants);

} // namespace racedesk
