#include "core/race/section_area.h"

#include <algorithm>

namespace racedesk {

std::string composeArea(int units, std::string_view content) {
    const std::size_t fillerBytes =
        std::max(areaSize(units) - 2, content.size() + content.size() % 2);
    std::string area;
    area.reserve(fillerBytes + 2);
    for (std::size_t i = 0; i < fillerBytes; i += kFillerUnit.size())
        area.append(kFillerUnit);
    area.append("\r\n");
    area.replace(0, content.size(), content);
    return area;
}

std::string filledArea(std::string_view area, std::size_t room) {
    const std::size_t lineEnd = area.ends_with("\r\n") ? 2 : area.ends_with('\n') ? 1 : 0;
    std::string filled(area.substr(0, area.size() - lineEnd));
    while (filled.size() + kFillerUnit.size() + lineEnd <= room)
        filled.append(kFillerUnit);
    filled.append(area.substr(area.size() - lineEnd));
    return filled;
}

void appendSection(std::string& out, std::string_view title, std::string_view area) {
    out.append("\r\n");
    out.append(title);
    out.append("\t\r\n");
    out.append(area);
}

} // namespace racedesk
