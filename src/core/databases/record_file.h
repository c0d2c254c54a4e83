#pragma once
#include "core/common/field_reader.h"
#include "core/common/field_writer.h"
#include "core/common/text_file.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

namespace racedesk {

// The database files whose records are all text fields: one record a line, every field
// followed by a tab, fields in the order 'fields(record, visit)' visits them.

// The lines of a database file, one record each, without their line ends (LF or CR LF). A
// line is its record's own: a record cut short never takes fields from the line after it.
class RecordLines {
public:
    explicit RecordLines(std::string_view data) : data_(data) {}

    bool atEnd() const { return pos_ >= data_.size(); }
    std::string_view next() {
        FieldReader in(data_.substr(pos_));
        in.skipLine();
        std::string_view line = data_.substr(pos_, in.position());
        pos_ += in.position();
        if (line.ends_with('\n'))
            line.remove_suffix(1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        return line;
    }
    // The next line whose first field holds a name; lines without one (an empty line
    // left by a hand edit) are no record, and the writers, which stop at the first
    // record without a name, would lose every record after them.
    std::string_view nextNamed() {
        while (!atEnd()) {
            const std::string_view line = next();
            const std::string_view name = FieldReader(line).text();
            if (!name.empty() && name.front() != '\0') // a name field ends at a zero byte
                return line;
        }
        return {};
    }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
};

// Clears the table, then reads each line that names a record into the next record, until
// the end of the file. A field is taken up to its tab and cut to its width; what a line
// holds past its last field is skipped, and a line cut short leaves its missing fields
// empty. False when the file cannot be opened.
template <typename Record, typename Fields>
bool readTextRecords(const std::string& path, std::span<Record> table, Fields fields) {
    std::fill(table.begin(), table.end(), Record{});
    std::string contents;
    if (!readWholeFile(path, contents))
        return false;
    RecordLines lines(contents);
    for (Record& record : table) {
        FieldReader in(lines.nextNamed());
        fields(record, [&in](auto& field) { in.text(field); });
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
