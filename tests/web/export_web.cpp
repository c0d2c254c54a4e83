// The static web export of the meeting in a working folder, in the language this program is
// linked with: export-web-<language> <working folder> <output folder>.
#include "core/web/site_export.h"

#include <cstdio>

int main(int argc, char** argv) {
    using namespace racedesk;
    if (argc != 3) {
        std::fprintf(stderr, "usage: export-web <working folder> <output folder>\n");
        return 2;
    }
    const SiteExport done = exportMeetingSite(MeetingSource{argv[1]}, argv[2], nullptr);
    if (!done.complete()) {
        std::fprintf(stderr, "%d of %d pages written; failed: %s\n", done.written, done.total,
                     done.failedFile.c_str());
        return 1;
    }
    std::printf("%d pages\n", done.written);
    return 0;
}
