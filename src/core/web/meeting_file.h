#pragma once
#include "core/race/heat_flags.h"
#include "core/race/race_header.h"
#include "core/race/section_file.h"
#include "core/race/track_section.h"
#include "core/web/meeting_site.h"
#include "core/web/page_paths.h"

#include <vector>

namespace racedesk {

// The race file as one page reads it: a copy taken once under the file's shared lock, with the
// header, the track and the stored-results flags every page starts from. A file that cannot
// be read is a race without categories.
struct MeetingFile {
    explicit MeetingFile(const MeetingSource& source);

    int categoryCount() const { return file.isOpen() ? header.categoryCount : 0; }
    bool hasCategory(int category) const { return category >= 1 && category <= categoryCount(); }
    const CategoryEntry& entry(int category) const {
        return header.categories[std::size_t(category - 1)];
    }

    std::string workDir;
    SectionFile file;
    RaceHeader header;
    TrackSettings track;
    HeatFlags flags;
};

// The heats of a round flagged as stored, in order, as run pages.
std::vector<PagePath> storedHeats(const MeetingFile& m, int category, int round);
// The category's finals flagged as stored, from the lowest level up to the Final.
std::vector<PagePath> storedFinals(const MeetingFile& m, int category);
// The pages the meeting has for this category: the category, then for each round its stored
// heats with their detailed results and the round's classification, the overall
// classification, the stored finals with their detailed results and the closure report.
std::vector<PagePath> categoryPages(const MeetingFile& m, int category);
// Whether the meeting has this page.
bool hasPage(const MeetingFile& m, const PagePath& page);

} // namespace racedesk
