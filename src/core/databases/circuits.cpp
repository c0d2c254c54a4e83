#include "core/databases/circuits.h"

#include "core/databases/record_file.h"

namespace racedesk {

bool readCircuits(const std::string& path, CircuitTable& table) {
    for (CircuitRecord& c : table)
        c = CircuitRecord{};
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    RecordLines lines(contents);
    for (int i = 0; i < kCircuitCount && !lines.atEnd(); ++i) {
        CircuitRecord& c = table[std::size_t(i)];
        FieldReader reader(lines.nextNamed());
        reader.text(c.name);
        reader.text(c.length);
        reader.text(c.recordText);
        reader.integer(c.recordMs);
        c.recordParts = splitTime(c.recordMs);
        reader.text(c.recordHolder);
        reader.text(c.protectionTime);
        reader.text(c.town);
        reader.text(c.picture);
    }
    return true;
}

bool writeCircuits(const std::string& path, const CircuitTable& table) {
    FieldWriter out;
    for (const CircuitRecord& c : fileCircuits(table)) {
        if (c.name.empty())
            continue;
        out.text(c.name.view());
        out.text(c.length.view());
        out.text(c.recordText.view());
        out.integer(c.recordMs);
        out.text(c.recordHolder.view());
        out.text(c.protectionTime.view());
        out.text(c.town.view());
        out.text(c.picture.view());
        out.endLine();
    }
    return replaceWholeFile(path, out.contents());
}

void clearLapRecord(CircuitRecord& circuit) {
    circuit.recordText.clear();
    circuit.recordHolder.clear();
    circuit.recordMs = 0;
    circuit.recordParts = TimeParts{};
}

int circuitIndexByName(const CircuitTable& table, std::string_view name) {
    int found = kNoCircuit;
    for (int i = 0; i < kCircuitCount; ++i)
        if (!name.empty() && table[std::size_t(i)].name.view() == name)
            found = i;
    return found;
}

} // namespace racedesk
