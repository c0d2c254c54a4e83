#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace racedesk {

// The meeting the pages show: the working folder's race file ("Private/Course.race") and
// drivers database, read afresh for each page; the race file from a copy taken under its shared
// lock (SectionFile::ToRead). Nothing of the program's live state is read, so any thread may
// render a page while the GUI thread commits heats.
struct MeetingSource {
    std::string workDir;
};

struct WebPage {
    std::string contentType;
    std::string body; // UTF-8
};

// The page at path ("/", "/style.css", ...), or nullopt when there is none.
// live: the pages are served by the program while the meeting runs, so
// they link to the live board at "/board"; a static export has no such link.
std::optional<WebPage> meetingPage(const MeetingSource& source, std::string_view path, bool live);

// Every path of the meeting's pages, for the static export.
std::vector<std::string> meetingPagePaths(const MeetingSource& source);

// The file a page is written to in a static export: "/" is "index.html", every other path its
// name without the leading "/".
std::string exportFileName(std::string_view path);

} // namespace racedesk
