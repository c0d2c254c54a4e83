#include "core/race/detail_results_file.h"

#include "core/common/text_file.h"

#include <algorithm>
#include <cstdio>

namespace racedesk {

bool writeDetailResults(const std::string& path, RankingMode mode, const CarSlots& slots) {
    std::string out;
    out.append(keyOf(mode));
    out.append("\t\r\n");
    char number[16];
    for (const CarSlot& s : slots) {
        const int n = std::clamp(s.passings, 0, kLapTableSize - 1);
        out.append(s.name.view());
        std::snprintf(number, sizeof number, "\t%d\t", n);
        out.append(number);
        for (int j = 1; j <= n; ++j) {
            std::snprintf(number, sizeof number, "%d\t", s.cumulativeTimes[std::size_t(j)]);
            out.append(number);
        }
        out.append("\r\n");
    }
    return replaceWholeFile(path, out);
}

} // namespace racedesk
