#pragma once
#include "core/web/meeting_site.h"

#include <functional>
#include <string>

namespace racedesk {

struct SiteExport {
    int written = 0;        // pages written
    int total = 0;          // pages of the meeting
    std::string failedFile; // the file that could not be written, when one could not
    bool cancelled = false;

    bool complete() const { return written == total && failedFile.empty() && !cancelled; }
};

// Told after each page: pages written so far and their total; false stops the export there.
using ExportProgress = std::function<bool(int written, int total)>;

// The meeting's pages without the live board, written as files into `folder` (made when
// missing), each under its exportFileName, so that their links resolve inside the folder. A
// file of the same name is replaced whole. Stops at the first file that cannot be written.
SiteExport exportMeetingSite(const MeetingSource& source, const std::string& folder,
                             const ExportProgress& progress);

} // namespace racedesk
