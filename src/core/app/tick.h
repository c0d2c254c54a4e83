#pragma once

namespace racedesk {

struct Program;

// Every 10 ms: the link supervision, the rest period clock, the countdown and start, the run
// in progress; otherwise what the decoder sent is read and thrown away, unless a dialog has
// claimed the link.
void tick(Program& p);

} // namespace racedesk
