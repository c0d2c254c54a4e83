#pragma once
#include "core/common/fixed_text.h"
#include "core/timing/ranking.h"

#include <type_traits>

namespace racedesk {

struct Program;

// What the live board of the browsers shows: the board's rows and texts as the tick left
// them. A plain record of fixed fields, so that taking one copies bytes and allocates nothing.
struct LiveSnapshot {
    FixedText<120> runTitle;
    FixedText<105> header;
    FixedText<10> durationText;
    FixedText<10> elapsedText;
    FixedText<10> remainingText;
    FixedText<10> countdownText;
    bool countdown = false;
    bool running = false;
    unsigned char rowCount = 0; // a byte, like every other field: the record has no padding
    BoardRows rows{};
};
static_assert(std::is_trivially_copyable_v<LiveSnapshot> && alignof(LiveSnapshot) == 1);

// Copies what the board shows now into `out`.
void captureSnapshot(const Program& p, LiveSnapshot& out);

// Byte for byte, which the record's lack of padding makes exact.
bool sameSnapshot(const LiveSnapshot& a, const LiveSnapshot& b);

} // namespace racedesk
