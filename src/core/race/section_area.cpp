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

void appendSection(std::string& out, std::string_view title, std::string_view area) {
    out.append("\r\n");
    out.append(title);
    out.append("\t\r\n");
    out.append(area);
}

} // namespace racedesk
