#include "core/databases/frequencies.h"

#include "core/common/field_reader.h"
#include "core/common/field_writer.h"
#include "core/common/text_file.h"

namespace racedesk {

bool isNotFrequency(std::string_view text) {
    return text.size() != std::size_t(kFrequencyLength);
}

bool readFrequencies(const std::string& path, FrequencyTable& table) {
    table.fill(FrequencyEntry{});
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    FieldReader in(contents);
    for (FrequencyEntry& entry : table) {
        if (in.atEnd())
            break;
        entry.frequency = in.line();
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
