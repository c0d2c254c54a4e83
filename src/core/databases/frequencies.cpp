#include "core/databases/frequencies.h"

#include "core/databases/record_file.h"

namespace racedesk {

bool isNotFrequency(std::string_view text) {
    return text.size() != std::size_t(kFrequencyLength);
}

bool readFrequencies(const std::string& path, FrequencyTable& table) {
    table.fill(FrequencyEntry{});
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    // An empty line is no frequency: read as one, it would end the list and the next save
    // would lose every frequency after it.
    RecordLines lines(contents);
    for (FrequencyEntry& entry : table) {
        std::string_view line;
        while (line.empty() && !lines.atEnd())
            line = lines.next();
        entry.frequency = line;
    }
    return true;
}

bool writeFrequencies(const std::string& path, const FrequencyTable& table) {
    FieldWriter out;
    const int listed = listedCount(table, kFrequencyNames);
    for (int i = 0; i < listed; ++i)
        out.line(table[std::size_t(i)].frequency.view());
    return replaceWholeFile(path, out.contents());
}

} // namespace racedesk
