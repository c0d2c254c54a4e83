#pragma once

namespace racedesk {

struct Program;

// What the main window's creation does with files, in order: the crash copy of the last
// working race file and a new working race file, then the circuits and transponder packs
// databases, the sound settings and the display settings, then the day's decoder journal. Each
// failure is reported and the program goes on with empty tables (without a journal).
void startUp(Program& p);

} // namespace racedesk
