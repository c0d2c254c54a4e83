#pragma once
#include "core/live/live_snapshot.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace racedesk {

// The snapshot as the board page's script reads it, in UTF-8: the run's texts and the rows of
// its drivers in ranking order, numbered so a browser can tell it missed none.
std::string snapshotJson(const LiveSnapshot& s, std::uint64_t number);

// A JSON string literal of a UTF-8 text, quotes included.
void appendJsonString(std::string& out, std::string_view utf8);

} // namespace racedesk
