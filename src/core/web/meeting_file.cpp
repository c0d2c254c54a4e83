#include "core/web/meeting_file.h"

#include "core/common/text_file.h"
#include "core/finals/finals_levels.h"
#include "core/race/working_race_file.h"

#include <algorithm>

namespace racedesk {

MeetingFile::MeetingFile(const MeetingSource& source)
    : workDir(source.workDir),
      file(joinPath(source.workDir, kWorkingRaceFile), SectionFile::ToRead{}) {
    readRaceHeader(file, header);
    readTrack(file, track);
    readHeatFlags(file, flags);
}

std::vector<PagePath> storedHeats(const MeetingFile& m, int category, int round) {
    std::vector<PagePath> heats;
    for (int h = 1; h <= m.entry(category).heatsPerRound; ++h) {
        if (heatFlag(m.flags, category, round, h))
            heats.push_back({PageKind::Run, category, round, h});
    }
    return heats;
}

std::vector<PagePath> storedFinals(const MeetingFile& m, int category) {
    std::vector<PagePath> finals;
    for (int level = levelsOfFinals(m.entry(category).finals); level >= 0; --level) {
        for (const bool isA : {true, false}) {
            if (finalFlag(m.flags, category, level, isA))
                finals.push_back({PageKind::Run, category, 0, 0, finalIndexOf(level, isA)});
            if (level == 0)
                break;
        }
    }
    return finals;
}

std::vector<PagePath> categoryPages(const MeetingFile& m, int category) {
    std::vector<PagePath> pages{{PageKind::Category, category}};
    const auto addRun = [&pages](PagePath run) {
        pages.push_back(run);
        run.kind = PageKind::RunDetail;
        pages.push_back(run);
    };
    for (int round = 1; round <= m.entry(category).rounds; ++round) {
        const std::vector<PagePath> heats = storedHeats(m, category, round);
        std::for_each(heats.begin(), heats.end(), addRun);
        if (!heats.empty())
            pages.push_back({PageKind::RoundClassification, category, round});
    }
    if (m.entry(category).qualifyingStarted == 1)
        pages.push_back({PageKind::OverallClassification, category});
    const std::vector<PagePath> finals = storedFinals(m, category);
    std::for_each(finals.begin(), finals.end(), addRun);
    if (!finals.empty())
        pages.push_back({PageKind::ClosureReport, category});
    return pages;
}

bool hasPage(const MeetingFile& m, const PagePath& page) {
    if (page.kind == PageKind::Meeting)
        return true;
    if (!m.hasCategory(page.category))
        return false;
    const std::vector<PagePath> pages = categoryPages(m, page.category);
    return std::any_of(pages.begin(), pages.end(),
                       [&page](const PagePath& p) { return pagePath(p) == pagePath(page); });
}

} // namespace racedesk
