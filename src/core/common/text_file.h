#pragma once
#include <string>
#include <string_view>

namespace racedesk {

// Reads a whole file; false when it cannot be opened.
bool readWholeFile(const std::string& path, std::string& contents);

// Replaces a whole file: written beside it under a temporary name, then renamed over it,
// so a crash leaves either the old file or the new one, never half of one.
// False when it cannot be written; the old file is then untouched.
bool replaceWholeFile(const std::string& path, std::string_view contents);

// "dir/name", or name alone when dir is empty.
std::string joinPath(const std::string& dir, std::string_view name);

} // namespace racedesk
