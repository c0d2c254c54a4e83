#pragma once
#include <cstddef>
#include <optional>
#include <string_view>

namespace racedesk {

// The line structure of a titled section file. Lines end with LF (CR LF on disk, a bare LF
// accepted); the byte 0xFF is an ordinary letter ("ÿ"). Every function stays inside `data`
// whatever its bytes: a cut or damaged file is only a file with other lines.

// Every title of the race file starts with "Catégorie" (Windows-1252) or is "PisteCourse".
inline constexpr std::string_view kCategoryTitlePrefix = "Cat\xE9gorie";
inline constexpr std::string_view kTrackTitle = "PisteCourse";

// The start of the line after the one holding `pos`; data.size() when there is none.
std::size_t nextLineStart(std::string_view data, std::size_t pos);
// The start of the line holding `pos`.
std::size_t lineStartOf(std::string_view data, std::size_t pos);

// The first field of the line starting at `lineStart`: its characters up to the first tab or
// line end.
std::string_view firstField(std::string_view data, std::size_t lineStart);
// The first field of the line when it could be a section title, else an empty view. Cheap on
// the lines that cannot be one.
std::string_view titleCandidateAt(std::string_view data, std::size_t lineStart);
bool couldBeTitle(std::string_view field);

// A line holding nothing but its line end.
bool isEmptyLine(std::string_view data, std::size_t lineStart);
// A title line as writers lay it out: one field that could be a title, its tab, the line end.
bool isTitleLine(std::string_view data, std::size_t lineStart);

// The title of the section whose title line starts at `lineStart`, or an empty view. A section
// starts at a title line that follows an empty line: the one rule by which the title look-up
// finds a section and an area ends, so that a line the look-up takes never lies inside the
// area before it, where the next write of that area would overwrite it.
std::string_view sectionTitleAt(std::string_view data, std::size_t lineStart);

// The end of the area whose body starts at `bodyStart`: the empty line before the next
// section's title line, or the end of the data when no section follows.
std::size_t areaEnd(std::string_view data, std::size_t bodyStart);

// A title a section can have: one that could be a title, with no tab or line end.
bool isValidTitle(std::string_view title);

// The body offset of the first section with this title, by a plain scan from the start.
// TitleIndex answers the same with one pass for many look-ups.
std::optional<std::size_t> scanForTitle(std::string_view data, std::string_view title);

} // namespace racedesk
