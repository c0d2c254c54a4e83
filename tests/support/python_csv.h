#pragma once
#include <string>
#include <vector>

namespace racedesk::test {

using CsvRows = std::vector<std::vector<std::string>>;

// The rows of a CSV file as Python's csv module reads it (UTF-8 with or without its byte order
// mark, fields split on 'delimiter'), each field in UTF-8. A file the module refuses fails the
// calling test and gives no rows.
CsvRows readCsvWithPython(const std::string& file, char delimiter);

} // namespace racedesk::test
