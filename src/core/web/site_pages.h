#pragma once
#include "core/web/meeting_file.h"
#include "core/web/page_paths.h"

#include <string>

namespace racedesk {

// The HTML of each page of the meeting, in the program's language. `live`: served by the
// program while the meeting runs, so the pages lead to the live board too.

std::string meetingIndexPage(const MeetingFile& m, bool live);
std::string categoryPage(MeetingFile& m, int category, bool live);
std::string roundClassificationPage(MeetingFile& m, int category, int round, bool live);
std::string overallClassificationPage(MeetingFile& m, int category, bool live);
std::string closureReportPage(MeetingFile& m, int category, bool live);
// A stored heat or final, its results or its detailed results.
std::string runPage(MeetingFile& m, const PagePath& run, bool live);
std::string runDetailPage(MeetingFile& m, const PagePath& run, bool live);

// What the pages of a category start with: the link back to the category.
void appendCategoryLink(std::string& out, const MeetingFile& m, int category);
// The meeting's name, or the word for it when the race has none.
std::string meetingTitle(const MeetingFile& m);

} // namespace racedesk
