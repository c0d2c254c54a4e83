#include "core/race/detail_results_file.h"

#include "core/common/field_writer.h"
#include "core/common/text_file.h"

#include <algorithm>

namespace racedesk {

bool writeDetailResults(const std::string& path, RankingMode mode, const CarSlots& slots) {
    FieldWriter out;
    out.text(keyOf(mode));
    out.endLine();
    for (const CarSlot& s : slots) {
        const int n = std::clamp(s.passings, 0, kLapTableSize - 1);
        out.text(s.name.view());
        out.integer(n);
        for (int j = 1; j <= n; ++j)
            out.integer(s.cumulativeTimes[std::size_t(j)]);
        out.endLine();
    }
    return replaceWholeFile(path, out.contents());
}

} // namespace racedesk
