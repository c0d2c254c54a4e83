#include "support/html_rows.h"

namespace racedesk::test {
namespace {

// The parts of `text` between each `open` and the next `close`.
std::vector<std::string> between(const std::string& text, const std::string& open,
                                 const std::string& close) {
    std::vector<std::string> parts;
    std::size_t at = 0;
    while ((at = text.find(open, at)) != std::string::npos) {
        at += open.size();
        const std::size_t end = text.find(close, at);
        if (end == std::string::npos)
            break;
        parts.push_back(text.substr(at, end - at));
        at = end + close.size();
    }
    return parts;
}

std::string unescaped(const std::string& text) {
    static const std::pair<const char*, const char*> kReferences[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&amp;", "&"}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [reference, character] : kReferences) {
            if (text.compare(i, std::string(reference).size(), reference) == 0) {
                out.append(character);
                i += std::string(reference).size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out.push_back(text[i++]);
    }
    return out;
}

} // namespace

std::string htmlToText(const std::string& html) {
    std::string text;
    bool inTag = false;
    for (const char c : html) {
        if (c == '<')
            inTag = true;
        else if (c == '>')
            inTag = false;
        else if (!inTag)
            text.push_back(c);
    }
    return unescaped(text);
}

std::vector<std::string> hrefsOf(const std::string& html) {
    std::vector<std::string> links;
    for (const std::string& href : between(html, "href=\"", "\""))
        links.push_back(unescaped(href));
    return links;
}

HtmlRows tableRows(const std::string& html, int table) {
    const std::vector<std::string> bodies = between(html, "<tbody>", "</tbody>");
    if (table < 0 || table >= int(bodies.size()))
        return {};
    HtmlRows rows;
    for (const std::string& row : between(bodies[std::size_t(table)], "<tr>", "</tr>")) {
        std::vector<std::string> cells;
        for (const std::string& cell : between(row, "<td", "</td>"))
            cells.push_back(htmlToText(cell.substr(cell.find('>') + 1)));
        rows.push_back(cells);
    }
    return rows;
}

} // namespace racedesk::test
