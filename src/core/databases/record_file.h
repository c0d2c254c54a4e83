#pragma once
#include "core/common/field_reader.h"
#include "core/common/field_writer.h"
#include "core/common/text_file.h"

#include <algorithm>
#include <span>
#include <string>

namespace racedesk {

// The database files whose records are all text fields: one record a line, every field
// followed by a tab, fields in the order 'fields(record, visit)' visits them.

// Clears the table, then reads one line into each record in turn until the end of the file.
// A field is taken up to its tab and cut to its width; what a line holds past its last field
// is skipped, and a line cut short leaves its missing fields empty. False when the file
// cannot be opened.
template <typename Record, typename Fields>
bool readTextRecords(const std::string& path, std::span<Record> table, Fields fields) {
    std::fill(table.begin(), table.end(), Record{});
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    FieldReader in(contents);
    for (Record& record : table) {
        if (in.atEnd())
            break;
        fields(record, [&in](auto& field) { in.text(field); });
        in.skipLine();
    }
    return true;
}

// Writes these records, one a line, as the only content of the file. False when the file
// cannot be written; it is then left as it was.
template <typename Record, typename Fields>
bool writeTextRecords(const std::string& path, std::span<const Record> records, Fields fields) {
    FieldWriter out;
    for (const Record& record : records) {
        fields(record, [&out](const auto& field) { out.text(field.view()); });
        out.endLine();
    }
    return replaceWholeFile(path, out.contents());
}

} // namespace racedesk
