#include "core/databases/circuits.h"

#include "core/common/field_reader.h"
#include "core/common/text_file.h"

#include <cstdio>

namespace racedesk {
namespace {

void appendField(std::string& out, std::string_view field) {
    out.append(field);
    out.push_back('\t');
}

} // namespace

bool readCircuits(const std::string& path, CircuitTable& table) {
    for (CircuitRecord& c : table)
        c = CircuitRecord{};
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    FieldReader reader(contents);
    for (int i = 0; i < kCircuitCount && !reader.atEnd(); ++i) {
        CircuitRecord& c = table[std::size_t(i)];
        reader.text(c.name);
        reader.text(c.length);
        reader.text(c.recordText);
        reader.integer(c.recordMs);
        c.recordParts = splitTime(c.recordMs);
        reader.text(c.recordHolder);
        reader.text(c.protectionTime);
        reader.text(c.town);
        reader.text(c.picture);
        reader.skipLine();
    }
    return true;
}

bool writeCircuits(const std::string& path, const CircuitTable& table) {
    std::string out;
    for (int i = 0; i < kCircuitCount; ++i) {
        const CircuitRecord& c = table[std::size_t(i)];
        if (c.name.empty())
            continue;
        char ms[16];
        std::snprintf(ms, sizeof ms, "%d", c.recordMs);
        appendField(out, c.name.view());
        appendField(out, c.length.view());
        appendField(out, c.recordText.view());
        appendField(out, ms);
        appendField(out, c.recordHolder.view());
        appendField(out, c.protectionTime.view());
        appendField(out, c.town.view());
        appendField(out, c.picture.view());
        out.append("\r\n");
    }
    return replaceWholeFile(path, out);
}

} // namespace racedesk
