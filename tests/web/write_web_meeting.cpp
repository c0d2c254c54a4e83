// Writes the working folder of a whole meeting with results (meeting_with_results.h) into the
// folder given: its race file and drivers database, for the export tests to read.
#include "core/common/text_file.h"
#include "core/databases/drivers.h"
#include "core/race/working_race_file.h"
#include "support/meeting_with_results.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    using namespace racedesk;
    if (argc != 2) {
        std::fprintf(stderr, "usage: write-web-meeting <folder>\n");
        return 2;
    }
    test::TestProgram t;
    const std::string failure = test::runWholeMeeting(t);
    if (!failure.empty()) {
        std::fprintf(stderr, "the meeting did not run: %s\n", failure.c_str());
        return 1;
    }
    const std::string folder = argv[1];
    std::filesystem::create_directories(joinPath(folder, "Private"));
    for (const char* name : {kWorkingRaceFile, kDriversFile}) {
        std::string bytes;
        if (!readWholeFile(t.program.path(name), bytes) ||
            !replaceWholeFile(joinPath(folder, name), bytes)) {
            std::fprintf(stderr, "cannot copy %s\n", name);
            return 1;
        }
    }
    return 0;
}
