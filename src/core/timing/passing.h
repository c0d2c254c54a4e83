#pragma once
#include "core/common/fixed_text.h"

#include <cstdint>

namespace racedesk {

// A transponder crossing the line: the transponder as six digits ("%06d" of its number)
// and the passing time in milliseconds (decoder clock for KT2, host clock for KT1).
struct Passing {
    FixedText<7> transponder;
    std::int64_t timeMs = 0;
};

} // namespace racedesk
