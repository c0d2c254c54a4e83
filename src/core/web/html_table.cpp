#include "core/web/html_table.h"

#include "core/web/html_page.h"

#include <algorithm>
#include <limits>

namespace racedesk {
namespace {

struct Span {
    int left = std::numeric_limits<int>::min();
    int right = std::numeric_limits<int>::max();
};

// The space between the rules that reach down to `y` around `x`.
Span spanAround(const PrintDocument& document, int x, int y) {
    Span span;
    for (const ColumnRule& rule : document.rules) {
        if (rule.top > y)
            continue;
        if (rule.x <= x)
            span.left = std::max(span.left, rule.x);
        else
            span.right = std::min(span.right, rule.x);
    }
    return span;
}

std::vector<int> columnsIn(const PrintDocument& document, Span span) {
    std::vector<int> found;
    for (std::size_t i = 0; i < document.columns.size(); ++i) {
        const int x = document.columns[i].x;
        if (x >= span.left && x < span.right)
            found.push_back(int(i));
    }
    return found;
}

void placeHeaderText(const PrintDocument& document, const PageText& text, HtmlTable& table) {
    const std::vector<int> columns =
        columnsIn(document, spanAround(document, text.at.x, text.at.y));
    if (columns.empty())
        return;
    HtmlColumn& first = table.columns[std::size_t(columns.front())];
    if (columns.size() == 1 && first.header.empty()) {
        first.header = text.text;
        return;
    }
    for (const int c : columns)
        table.columns[std::size_t(c)].group = int(table.groups.size());
    table.groups.push_back(text.text);
}

const char* alignClass(Align align) {
    switch (align) {
    case Align::Right:
        return " class=\"r\"";
    case Align::Centre:
        return " class=\"c\"";
    case Align::Left:
        break;
    }
    return "";
}

void appendCell(std::string& out, const char* tag, std::string_view attributes,
                std::string_view html) {
    out.append("<").append(tag).append(attributes).append(">");
    out.append(html).append("</").append(tag).append(">");
}

std::string span(const char* name, std::size_t count) {
    return count > 1 ? " " + std::string(name) + "=\"" + std::to_string(count) + "\"" : "";
}

void appendHeader(std::string& out, const HtmlTable& table) {
    const bool grouped = !table.groups.empty();
    const std::string rowSpan = grouped ? span("rowspan", 2) : "";
    out.append("<thead><tr>");
    if (table.numberedRows)
        appendCell(out, "th", rowSpan, "");
    std::string second;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const HtmlColumn& column = table.columns[i];
        if (column.group < 0) {
            appendCell(out, "th", rowSpan + alignClass(column.align), htmlText(column.header));
            continue;
        }
        appendCell(second, "th", alignClass(column.align), htmlText(column.header));
        if (i > 0 && table.columns[i - 1].group == column.group)
            continue;
        std::size_t count = 0;
        while (i + count < table.columns.size() && table.columns[i + count].group == column.group)
            ++count;
        appendCell(out, "th", span("colspan", count) + " class=\"c\"",
                   htmlText(table.groups[std::size_t(column.group)]));
    }
    out.append("</tr>\n");
    if (grouped)
        out.append("<tr>").append(second).append("</tr>\n");
    out.append("</thead>\n");
}

} // namespace

HtmlTable tableOf(const PrintDocument& document) {
    HtmlTable table;
    table.numberedRows = document.numberedRows;
    table.rows = document.rows;
    for (const PrintColumn& column : document.columns)
        table.columns.push_back({column.header, column.align});
    const TableLayout& layout = document.layout.table;
    for (const PageText& text : document.pageTexts) {
        if (text.at.y >= layout.headerTop && text.at.y < layout.bodyTop)
            placeHeaderText(document, text, table);
    }
    return table;
}

void appendTable(std::string& out, const HtmlTable& table) {
    out.append("<div class=\"table\"><table>\n");
    appendHeader(out, table);
    out.append("<tbody>\n");
    int number = 0;
    for (const PrintRow& row : table.rows) {
        out.append("<tr>");
        if (table.numberedRows)
            appendCell(out, "td", " class=\"r\"", std::to_string(++number));
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            const std::string_view text = i < row.size() ? std::string_view(row[i]) : "";
            appendCell(out, "td", alignClass(table.columns[i].align), htmlText(text));
        }
        out.append("</tr>\n");
    }
    out.append("</tbody>\n</table></div>\n");
}

} // namespace racedesk
