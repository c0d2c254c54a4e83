#include "core/timing/interface_settings.h"

#include "core/common/field_reader.h"
#include "core/common/text_file.h"

#include <cstdio>

namespace racedesk {

bool readInterfaceSettings(const std::string& path, InterfaceSettings& settings) {
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    FieldReader reader(contents);
    reader.text(settings.portName);
    if (settings.portName.empty())
        settings.portName = kDefaultPort;
    reader.integer(settings.connected);
    reader.text(settings.type);
    return true;
}

bool writeInterfaceSettings(const std::string& path, const InterfaceSettings& settings) {
    char line[64];
    const char* port = settings.portName.empty() ? kDefaultPort : settings.portName.c_str();
    std::snprintf(line, sizeof line, "%s\t%d\t%s\r\n", port, settings.connected,
                  settings.type.c_str());
    return replaceWholeFile(path, line);
}

} // namespace racedesk
