#include "core/race/transfer_files.h"

#include "core/common/field_reader.h"
#include "core/common/text_file.h"
#include "core/common/field_writer.h"

#include <algorithm>

namespace racedesk {

bool writeDriverResult(const std::string& path, const CarSlot& car, std::string_view runTitle,
                       std::string_view circuit, std::string_view summary) {
    FieldWriter out;
    const int n = std::clamp(car.passings, 0, kLapTableSize - 1);
    out.text(car.name.view());
    out.integer(n);
    for (int j = 0; j <= n; ++j)
        out.integer(car.cumulativeTimes[std::size_t(j)]);
    out.endLine();
    out.text(runTitle);
    out.text(circuit);
    out.text(summary);
    out.endLine();
    return replaceWholeFile(path, out.contents());
}

bool writeHeatComment(const std::string& path, const HeatComment& comment) {
    FieldWriter out;
    out.text(comment.condition.view());
    out.text(comment.comment.view());
    out.endLine();
    return replaceWholeFile(path, out.contents());
}

bool readHeatComment(const std::string& path, HeatComment& comment) {
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    FieldReader reader(contents);
    reader.text(comment.condition);
    reader.text(comment.comment);
    return true;
}

} // namespace racedesk
