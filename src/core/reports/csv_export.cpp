#include "core/reports/csv_export.h"

#include "core/common/cp1252.h"
#include "core/common/text_file.h"
#include "core/reports/export_texts.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace racedesk {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

struct Conventions {
    std::string_view separator = tx(ExportText::Separator);
    char decimalMark = *tx(ExportText::DecimalMark);
};

// A field from Windows-1252 text, quoted when a reader would otherwise split it.
void appendField(std::string& out, std::string_view cp1252, const Conventions& c) {
    const std::string text = cp1252ToUtf8(cp1252);
    const bool quoted = text.find_first_of("\"\r\n") != std::string::npos ||
                        text.find(c.separator) != std::string::npos;
    if (!quoted) {
        out += text;
        return;
    }
    out += '"';
    for (const char ch : text) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    out += '"';
}

// A name typed by a user that a spreadsheet would take for a formula ("=HYPERLINK(...)",
// "+1+1") is kept as text by a leading apostrophe; a lone "-" is no formula.
std::string textField(std::string text) {
    if (text.size() > 1 && std::string_view("=+-@").find(text.front()) != std::string_view::npos)
        text.insert(0, 1, '\'');
    return text;
}

std::string numberField(std::string text, const Conventions& c) {
    for (char& ch : text) {
        if (ch == '.')
            ch = c.decimalMark;
    }
    return text;
}

std::string millisecondsHeader(const std::string& header) {
    char text[160];
    std::snprintf(text, sizeof text, tx(ExportText::MillisecondsHeader), header.c_str());
    return text;
}

// The texts of one line: the row's number when the list numbers its rows, then each text,
// a time followed by its milliseconds.
std::vector<std::string> lineFields(const PrintDocument& d, const PrintRow& row, int number,
                                    const Conventions& c) {
    std::vector<std::string> fields;
    if (d.numberedRows)
        fields.push_back(std::to_string(number));
    for (std::size_t i = 0; i < d.exportColumns.size(); ++i) {
        const std::string text = i < row.size() ? row[i] : std::string();
        switch (d.exportColumns[i].kind) {
        case CellKind::Text:
            fields.push_back(textField(text));
            break;
        case CellKind::Number:
            fields.push_back(numberField(text, c));
            break;
        case CellKind::Time: {
            const std::optional<RaceTime> ms = shownTimeValue(text);
            fields.push_back(text);
            fields.push_back(ms ? std::to_string(*ms) : std::string());
            break;
        }
        }
    }
    return fields;
}

std::vector<std::string> headerFields(const PrintDocument& d) {
    std::vector<std::string> fields;
    if (d.numberedRows)
        fields.push_back(tx(ExportText::RowNumberHeader));
    for (const ExportColumn& column : d.exportColumns) {
        fields.push_back(column.header);
        if (column.kind == CellKind::Time)
            fields.push_back(millisecondsHeader(column.header));
    }
    return fields;
}

void appendLine(std::string& out, const std::vector<std::string>& fields, const Conventions& c) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += c.separator;
        appendField(out, fields[i], c);
    }
    out += kLineEnd;
}

// Reads the whole of 'digits' (one or more decimal digits) as a number.
std::optional<int> wholeNumber(std::string_view digits) {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        digits.front() == '-')
        return std::nullopt;
    return value;
}

} // namespace

ExportColumn groupedColumn(std::string_view group, std::string_view column, CellKind kind) {
    return {std::string(group) + " - " + std::string(column), kind};
}

bool exportable(const PrintDocument& document) {
    return !document.exportColumns.empty();
}

std::string csvText(const PrintDocument& document) {
    const Conventions conventions;
    std::string out(kByteOrderMark);
    appendLine(out, headerFields(document), conventions);
    int number = 0;
    for (const PrintRow& row : document.rows)
        appendLine(out, lineFields(document, row, ++number, conventions), conventions);
    return out;
}

bool writeCsvFile(const std::string& path, const PrintDocument& document) {
    return replaceWholeFile(path, csvText(document));
}

bool exportCsvFile(Dialogs& dialogs, const std::string& path, const PrintDocument& document) {
    if (writeCsvFile(path, document))
        return true;
    char message[600];
    std::snprintf(message, sizeof message, tx(ExportText::ErrWriteFile),
                  utf8ToCp1252(path).c_str());
    dialogs.message(message, tx(Text::CaptionError), Icon::Error);
    return false;
}

std::optional<RaceTime> shownTimeValue(std::string_view text) {
    text = text.substr(text.find_last_of(' ') + 1); // npos + 1: the whole text
    const auto dot = text.rfind('.');
    if (dot == std::string_view::npos || text.size() - dot != 4)
        return std::nullopt;
    const std::optional<int> millis = wholeNumber(text.substr(dot + 1));
    if (!millis)
        return std::nullopt;
    // From the right: the seconds, the minutes, the hours; all but the leftmost on two digits
    // and below 60.
    std::int64_t total = *millis;
    std::int64_t unit = 1000;
    std::string_view rest = text.substr(0, dot);
    for (int part = 0; part < 3; ++part, unit *= 60) {
        const auto colon = rest.rfind(':');
        const bool leftmost = colon == std::string_view::npos;
        const std::string_view digits = leftmost ? rest : rest.substr(colon + 1);
        const std::optional<int> value = wholeNumber(digits);
        if (!value || (!leftmost && (digits.size() != 2 || *value > 59)))
            return std::nullopt;
        total += *value * unit;
        if (leftmost && total > std::numeric_limits<RaceTime>::max())
            return std::nullopt;
        if (leftmost)
            return RaceTime(total);
        rest = rest.substr(0, colon);
    }
    return std::nullopt; // a part left of the hours
}

} // namespace racedesk
