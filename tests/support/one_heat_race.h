#pragma once
#include <string>

namespace racedesk::test {

// A race of one category "Touring", one round of one heat: drivers "Driver 1"... with
// transponders 001001, 001002... Written as the working race file at `path`. False when a
// section could not be written.
bool writeOneHeatRace(const std::string& path, int drivers);

} // namespace racedesk::test
