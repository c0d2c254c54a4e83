#pragma once
#include <string>
#include <string_view>

namespace racedesk {

// File names relative to the working folder.
inline constexpr const char* kWorkingRaceFile = "Private/Course.race";
inline constexpr const char* kCrashCopyFile = "PcCrashRace.race";

// The heat flags: one line of 0 or 1 per qualifying heat (180) and final (23) of each of the
// nine category slots.
inline constexpr std::string_view kHeatFlagsTitle = "Cat\xE9gorieDrapeauxTreeview";
inline constexpr int kHeatFlagsUnits = 1830;
inline constexpr int kHeatFlagCount = 9 * (180 + 23);

// The bytes of a new race's file: the new race's header in its area, then the heat flags
// section, every flag 0.
std::string newRaceFileBytes();

// Writes a new race's file at `path` (its folder made when missing). False when it cannot be
// written: the caller shows "impossible d'ouvrir le fichier Course" and goes on without a race
// file.
bool createWorkingRaceFile(const std::string& path);

enum class CrashCopy {
    Copied,
    NoWorkingFile,    // nothing to keep: the old crash copy stays
    UntouchedNewRace, // the working file holds only a new race: the old crash copy stays
    Failed,
};

// Keeps the race of the previous run of the program: the working race file is copied over the
// crash copy. A working file that is still an untouched new race holds nothing worth keeping,
// and copying it would throw away the race the crash copy holds.
CrashCopy saveCrashCopy(const std::string& workingFile, const std::string& crashCopy);

// At start-up, in the working folder: the crash copy, then a new working race file.
// False when the new working race file cannot be written.
bool startWorkingRaceFile(const std::string& workDir);

} // namespace racedesk
