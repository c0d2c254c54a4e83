#include "core/web/site_export.h"

#include "core/common/text_file.h"

#include <filesystem>
#include <system_error>

namespace racedesk {

SiteExport exportMeetingSite(const MeetingSource& source, const std::string& folder,
                             const ExportProgress& progress) {
    SiteExport result;
    const std::vector<std::string> paths = meetingPagePaths(source);
    result.total = int(paths.size());
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const std::string& path : paths) {
        const std::string file = joinPath(folder, exportFileName(path));
        const std::optional<WebPage> page = meetingPage(source, path, false);
        if (!page || !replaceWholeFile(file, page->body)) {
            result.failedFile = file;
            return result;
        }
        ++result.written;
        if (progress && !progress(result.written, result.total)) {
            result.cancelled = result.written < result.total;
            return result;
        }
    }
    return result;
}

} // namespace racedesk
