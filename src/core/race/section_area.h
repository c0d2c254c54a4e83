#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace racedesk {

// Every section body, and the race header, is a reserved area of filler units "1\t" ended by
// a line end: N units take 2·N + 2 bytes on disk. Content is written from the start of the
// area, over the filler; what remains of the filler stays and readers, which read an exact
// number of fields, never look at it.
inline constexpr std::string_view kFillerUnit = "1\t";

constexpr std::size_t areaSize(int units) {
    return 2 * std::size_t(units > 0 ? units : 0) + 2;
}

// The area as it goes to disk: the content, the rest of the `units` filler units after it, and
// the area's final line end. Content that does not leave room for that line end gets just
// enough units more, so the area always ends with its own line end.
std::string composeArea(int units, std::string_view content);

// The area with as many filler units more, before its final line end, as `room` bytes hold.
std::string filledArea(std::string_view area, std::size_t room);

// A new section as it lands at the end of a file: an empty line, the title and its tab on a
// line of their own, then the area.
void appendSection(std::string& out, std::string_view title, std::string_view area);

} // namespace racedesk
