#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace racedesk {

// A write in place into a file can be cut short when the process is killed in the middle of
// it, leaving part of an area new and the rest old. So a positioned write is first written
// whole to a journal beside the file, then made in place, then the journal is removed. When
// the file is next opened, a whole journal left behind is written again in place (its writer
// was killed while writing the file), and a journal cut short is dropped (its writer was
// killed before touching the file). Either way the area reads back as before or as after.

// The journal of a file: its name with ".journal" added.
std::string journalPath(const std::string& path);
// False when the journal could not be written whole: the write must not go ahead.
bool writeJournal(const std::string& path, std::size_t offset, std::string_view bytes);
void removeJournal(const std::string& path);
// Makes again the write a whole journal holds and removes the journal; drops a journal cut
// short, and one whose write would start past the end of the file. Nothing when there is none. A
// journal whose write fails again is kept for the next opening.
void finishInterruptedWrite(const std::string& path);

} // namespace racedesk
