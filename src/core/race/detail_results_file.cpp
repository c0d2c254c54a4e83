#include "core/race/detail_results_file.h"

#include "core/common/field_reader.h"
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

bool readDetailResults(const std::string& path, RankingMode& mode, CarSlots& slots) {
    for (CarSlot& s : slots) {
        s = CarSlot{};
        s.name = kEmptySlotName;
    }
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    FieldReader in(contents);
    parseKey(in.text(), mode);
    in.skipLine();
    for (CarSlot& s : slots) {
        if (in.atEnd())
            continue;
        in.text(s.name);
        int n = 0;
        if (!in.atLineEnd())
            in.integer(n);
        s.passings = std::clamp(n, 0, kLapTableSize - 1);
        // A line cut short keeps the times it has: the next line's fields are not taken.
        for (int j = 1; j <= s.passings; ++j) {
            if (in.atLineEnd()) {
                s.passings = j - 1;
                break;
            }
            in.integer(s.cumulativeTimes[std::size_t(j)]);
        }
        in.skipLine();
    }
    return true;
}

} // namespace racedesk
