#include "core/race/working_race_file.h"

#include "core/common/field_writer.h"
#include "core/common/text_file.h"
#include "core/race/race_header.h"
#include "core/race/section_area.h"
#include "core/race/write_journal.h"

#include <filesystem>

namespace racedesk {

std::string newRaceFileBytes() {
    std::string header;
    composeRaceHeader(newRaceHeader(), header);
    FieldWriter flags;
    for (int i = 0; i < kHeatFlagCount; ++i)
        flags.integer(0);
    flags.endLine();
    std::string bytes = composeArea(kRaceHeaderUnits, header);
    appendSection(bytes, kHeatFlagsTitle, composeArea(kHeatFlagsUnits, flags.contents()));
    return bytes;
}

bool createWorkingRaceFile(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ignored; // a folder that cannot be made shows as a file that cannot be written
    if (!folder.empty())
        std::filesystem::create_directories(folder, ignored);
    removeJournal(path); // a write left over from the file this one replaces
    return replaceWholeFile(path, newRaceFileBytes());
}

CrashCopy saveCrashCopy(const std::string& workingFile, const std::string& crashCopy) {
    finishInterruptedWrite(workingFile);
    std::string race;
    if (!readWholeFile(workingFile, race))
        return CrashCopy::NoWorkingFile;
    if (race == newRaceFileBytes())
        return CrashCopy::UntouchedNewRace;
    return replaceWholeFile(crashCopy, race) ? CrashCopy::Copied : CrashCopy::Failed;
}

bool startWorkingRaceFile(const std::string& workDir) {
    saveCrashCopy(joinPath(workDir, kWorkingRaceFile), joinPath(workDir, kCrashCopyFile));
    return createWorkingRaceFile(joinPath(workDir, kWorkingRaceFile));
}

} // namespace racedesk
