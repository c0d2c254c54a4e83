#pragma once
#include <string>

namespace racedesk {

// The folder of the files the program ships, found from the folder the program runs from:
// "../share/racedesk" when the program is installed (bin/ beside share/racedesk/, as any
// prefix lays it out), otherwise "../share", the build folder's own layout.
std::string shareFolderFor(const std::string& programFolder);

} // namespace racedesk
