#pragma once
#include "core/common/fixed_text.h"

#include <array>

namespace racedesk {

inline constexpr int kMaxParticipants = 200;
inline constexpr int kFrequenciesPerDriver = 5;

// One place of a category's participants list.
struct Participant {
    FixedText<40> name;
    FixedText<7> transponder;
    std::array<FixedText<7>, kFrequenciesPerDriver> frequencies;
};

using ParticipantTable = std::array<Participant, kMaxParticipants>;

} // namespace racedesk
