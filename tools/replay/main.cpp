// racedesk-replay JOURNAL [--race FILE.race]
//
// Reads a decoder journal ("Journaux/Journal-2026-05-14.rdj" in the working folder), times each
// run in it again from the decoder's own bytes and the director's events, and prints each run's
// ranking. With --race, each committed run is compared with the section the race file holds for
// it and every difference is listed. Exit status: 0 when everything agrees, 1 when a run
// differs from its section, 2 when the journal cannot be read or the command is wrong.
#include "core/common/text_file.h"
#include "core/race/replay_comparison.h"
#include "core/timing/journal_format.h"
#include "core/timing/journal_replay.h"
#include "core/timing/journal_runs.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using namespace racedesk;

struct Options {
    std::string journal;
    std::string raceFile;
};

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--race") == 0 && i + 1 < argc)
            options.raceFile = argv[++i];
        else if (argv[i][0] != '-' && options.journal.empty())
            options.journal = argv[i];
        else
            return false;
    }
    return !options.journal.empty();
}

int run(const Options& options) {
    std::string contents;
    if (!readWholeFile(options.journal, contents)) {
        std::fprintf(stderr, "racedesk-replay: cannot read %s\n", options.journal.c_str());
        return 2;
    }
    std::size_t validSize = 0;
    const std::vector<JournalRun> runs = journalRuns(readJournalRecords(contents, validSize));
    if (validSize < contents.size())
        std::printf("The journal is damaged after byte %zu of %zu: read up to there.\n", validSize,
                    contents.size());
    for (const JournalRun& r : runs) {
        ReplayedRun replayed;
        if (!replayRun(r, replayed))
            std::printf("(a damaged record stopped this run's replay)\n");
        std::printf("%s\n", replayedRunText(r, replayed).c_str());
    }
    if (options.raceFile.empty())
        return 0;
    const ReplayComparison comparison = compareWithRaceFile(runs, options.raceFile);
    for (const std::string& line : comparison.lines)
        std::printf("%s\n", line.c_str());
    std::printf("%d run(s) compared with %s, %d differing.\n", comparison.runsCompared,
                options.raceFile.c_str(), comparison.runsDiffering);
    return comparison.runsDiffering == 0 && comparison.lines.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: racedesk-replay JOURNAL [--race FILE.race]\n");
        return 2;
    }
    return run(options);
}
