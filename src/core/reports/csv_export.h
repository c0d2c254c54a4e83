#pragma once
#include "core/common/race_time.h"
#include "core/platform/dialogs.h"
#include "core/reports/print_document.h"

#include <optional>
#include <string>
#include <string_view>

namespace racedesk {

// A printed list as a spreadsheet file: the document's own rows under its export headers, in
// UTF-8 with the field separator and decimal mark of the program's language.

// A column under a group's title on paper ("Meilleur résultat" over "Tours"): the header
// says both, "group - column", so that columns of two groups keep apart.
ExportColumn groupedColumn(std::string_view group, std::string_view column, CellKind kind);

// Only a list that names its columns for export has a table to export.
bool exportable(const PrintDocument& document);

// The whole file: a byte order mark (spreadsheets otherwise read a CSV file in the system's
// code page), the header row, then one line per row, each ended by CR LF. A field is quoted
// when it holds the separator, a quote or a line end.
std::string csvText(const PrintDocument& document);

// Writes the file whole, or leaves what stood there untouched; false when it cannot.
bool writeCsvFile(const std::string& path, const PrintDocument& document);
// The same for the file the director chose (UTF-8 path): a file that cannot be written is
// reported in an error box that names it.
bool exportCsvFile(Dialogs& dialogs, const std::string& path, const PrintDocument& document);

// The milliseconds of the time that ends a text, in the program's short or full form
// ("59.999", "0:59.999", "1:00:00.000", "12T en 5:01.234"); nothing when the text does not
// end with a time, such as a blank or a marker.
std::optional<RaceTime> shownTimeValue(std::string_view text);

} // namespace racedesk
