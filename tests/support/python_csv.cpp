#include "support/python_csv.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace racedesk::test {
namespace {

// Each row on a line, each field as the hex of its UTF-8 bytes, the fields joined by "|": a
// form no field's own text can break.
constexpr const char* kReader = R"(import csv, sys
with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:
    for row in csv.reader(f, delimiter=sys.argv[2], strict=True):
        print('|'.join(field.encode('utf-8').hex() for field in row))
)";

std::string fromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::string run(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        ADD_FAILURE() << "cannot run " << command;
        return {};
    }
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int status = pclose(pipe);
    if (status != 0) {
        ADD_FAILURE() << command << " failed:\n" << output;
        return {};
    }
    return output;
}

} // namespace

CsvRows readCsvWithPython(const std::string& file, char delimiter) {
    TempFolder folder;
    folder.write("reader.py", kReader);
    const std::string output = run(std::string(RACEDESK_PYTHON3) + " '" + folder.file("reader.py") +
                                   "' '" + file + "' '" + delimiter + "'");
    CsvRows rows;
    for (const std::string& line : split(output, '\n')) {
        if (line.empty())
            continue;
        rows.emplace_back();
        for (const std::string& field : split(line, '|'))
            rows.back().push_back(fromHex(field));
    }
    return rows;
}

} // namespace racedesk::test
