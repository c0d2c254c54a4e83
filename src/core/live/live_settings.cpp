#include "core/live/live_settings.h"

#include "core/common/field_reader.h"
#include "core/common/text_file.h"

#include <algorithm>
#include <cstdio>

namespace racedesk {

int clampLivePort(int port) {
    return std::clamp(port, kLowestLivePort, kHighestLivePort);
}

bool readLiveSettings(const std::string& path, LiveSettings& settings) {
    settings = LiveSettings{};
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    FieldReader reader(contents);
    settings.on = reader.text() == "DIRECToui";
    int port = kDefaultLivePort;
    if (reader.integer(port))
        settings.port = clampLivePort(port);
    return true;
}

bool writeLiveSettings(const std::string& path, const LiveSettings& settings) {
    char line[48];
    std::snprintf(line, sizeof line, "%s\t%d\t\r\n", settings.on ? "DIRECToui" : "DIRECTnon",
                  clampLivePort(settings.port));
    return replaceWholeFile(path, line);
}

} // namespace racedesk
