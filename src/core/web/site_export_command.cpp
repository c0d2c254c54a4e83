#include "core/web/site_export_command.h"

#include "core/app/program.h"
#include "core/common/cp1252.h"
#include "core/web/web_texts.h"

#include <cstdio>
#include <filesystem>

namespace racedesk {

std::string chooseExportFolder(Program& p) {
    const std::string start = p.userRaceFile.empty()
                                  ? std::string()
                                  : std::filesystem::path(p.userRaceFile).parent_path().string();
    return p.io.dialogs.chooseFolder(tx(WebText::ExportFolder), start);
}

bool confirmReplacing(Program& p, const std::string& folder) {
    int existing = 0;
    std::string first;
    for (const std::string& path : meetingPagePaths(meetingSourceOf(p))) {
        const std::string name = exportFileName(path);
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::path(folder) / name, error))
            continue;
        if (existing++ == 0)
            first = name;
    }
    if (existing == 0)
        return true;
    char text[1024];
    std::snprintf(text, sizeof text, tx(WebText::ExportReplace), utf8ToCp1252(folder).c_str(),
                  existing, first.c_str());
    return p.io.dialogs.ask(text, tx(WebText::ItemExportWeb), Buttons::YesNo, Icon::Question) ==
           Answer::Yes;
}

MeetingSource meetingSourceOf(const Program& p) {
    return MeetingSource{p.workDir};
}

void reportExport(Program& p, const SiteExport& done, const std::string& folder) {
    char text[1024];
    const std::string shownFolder = utf8ToCp1252(folder);
    if (!done.failedFile.empty()) {
        std::snprintf(text, sizeof text, tx(WebText::ExportFailed),
                      utf8ToCp1252(done.failedFile).c_str(), done.written, done.total);
        p.io.dialogs.message(text, tx(Text::CaptionError), Icon::Error);
    } else if (done.cancelled) {
        std::snprintf(text, sizeof text, tx(WebText::ExportCancelled), done.written, done.total,
                      shownFolder.c_str());
        p.io.dialogs.message(text, tx(WebText::ItemExportWeb), Icon::Warning);
    } else {
        std::snprintf(text, sizeof text, tx(WebText::ExportDone), done.written,
                      shownFolder.c_str());
        p.io.dialogs.message(text, tx(WebText::ItemExportWeb), Icon::Information);
    }
}

} // namespace racedesk
