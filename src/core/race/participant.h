#pragma once
#include "core/common/fixed_text.h"

#include <array>

namespace racedesk {

inline constexpr int kMaxParticipants = 200;
inline constexpr int kFrequenciesPerDriver = 5;

using DriverName = FixedText<40>;     // at most 39 characters
using TransponderText = FixedText<7>; // six digits, or empty
using FrequencyText = FixedText<7>;   // at most 6 characters

// One place of a category's participants list; a free place has every field empty.
struct Participant {
    DriverName name;
    TransponderText transponder;
    std::array<FrequencyText, kFrequenciesPerDriver> frequencies;

    bool isFree() const { return name.empty(); }
};

using ParticipantTable = std::array<Participant, kMaxParticipants>;

// The number of participants: the places that hold a driver.
inline int participantCount(const ParticipantTable& table) {
    int count = 0;
    for (const Participant& p : table)
        count += p.isFree() ? 0 : 1;
    return count;
}

} // namespace racedesk
