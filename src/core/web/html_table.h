#pragma once
#include "core/reports/print_document.h"

#include <string>
#include <vector>

namespace racedesk {

// A table of a page: columns with their headers, some under a group's header, and rows of
// Windows-1252 texts as the printed lists hold them.
struct HtmlColumn {
    std::string header; // Windows-1252
    Align align = Align::Left;
    int group = -1; // index in HtmlTable::groups, or none
};

struct HtmlTable {
    std::vector<std::string> groups; // Windows-1252
    std::vector<HtmlColumn> columns;
    std::vector<PrintRow> rows;
    bool numberedRows = false;
};

// The table of a printed list. A column without a header of its own takes the text printed in
// the header band over it, between the rules that bound it; a text over several columns
// between the rules that reach it is their group's header.
HtmlTable tableOf(const PrintDocument& document);

// The table, its group headers in a first header row when it has groups.
void appendTable(std::string& out, const HtmlTable& table);

} // namespace racedesk
