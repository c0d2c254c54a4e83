#include "core/race/transfer_files.h"

#include "core/common/field_reader.h"
#include "core/common/field_writer.h"
#include "core/common/text_file.h"
#include "core/race/section_reading.h"

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

namespace {

// Each line is read on its own, so a short first line never eats into the second.
void readPassings(std::string_view line, DriverResult& result) {
    FieldReader reader(line);
    reader.text(result.name);
    int laps = 0;
    if (!reader.integer(laps))
        return;
    laps = std::clamp(laps, 0, kLapTableSize - 1);
    int read = 0;
    while (read <= laps && readTime(reader, result.times[std::size_t(read)]))
        ++read;
    result.laps = std::max(0, read - 1);
}

} // namespace

bool readDriverResult(const std::string& path, DriverResult& result) {
    result = DriverResult{};
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    FieldReader lines(contents);
    readPassings(lines.line(), result);
    FieldReader headings(lines.line());
    headings.text(result.runTitle);
    headings.text(result.circuit);
    headings.text(result.summary);
    return true;
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
