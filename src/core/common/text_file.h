#pragma once
#include <string>
#include <string_view>

namespace racedesk {

// Reads a whole file; false when it cannot be opened.
bool readWholeFile(const std::string& path, std::string& contents);

// Replaces a whole file: written beside it under a temporary name, then renamed over it,
// so a crash leaves either the old file or the new one, never half of one. Both the file and
// its folder are on disk when it gives true.
// False when it cannot be written; the old file is then untouched.
bool replaceWholeFile(const std::string& path, std::string_view contents);

// Makes the folder holding `path` reach the disk: a file made or renamed in it survives a
// power cut only once its folder has.
void syncFolderOf(const std::string& path);

// "dir/name", or name alone when dir is empty.
std::string joinPath(const std::string& dir, std::string_view name);

} // namespace racedesk
