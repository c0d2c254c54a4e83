#include "core/race/detail_results_file.h"

#include "core/common/field_reader.h"
#include "core/common/field_writer.h"
#include "core/common/text_file.h"
#include "core/race/section_reading.h"

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
    FieldReader lines(contents);
    parseKey(FieldReader(lines.line()).text(), mode);
    for (CarSlot& s : slots) {
        if (lines.atEnd())
            continue;
        // Each line on its own: a line cut short never takes the next line's fields.
        FieldReader in(lines.line());
        in.text(s.name);
        int n = 0;
        in.integer(n);
        s.passings = std::clamp(n, 0, kLapTableSize - 1);
        // Only the times read count: a damaged time ends the car's passings there.
        for (int j = 1; j <= s.passings; ++j) {
            if (!readTime(in, s.cumulativeTimes[std::size_t(j)])) {
                s.passings = j - 1;
                break;
            }
        }
    }
    return true;
}

} // namespace racedesk
