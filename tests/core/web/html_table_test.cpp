// A printed list's table on a page: the headers printed over the columns become the columns'
// headers and their groups', and every text is escaped.
#include "core/web/html_page.h"
#include "core/web/html_table.h"
#include "support/html_rows.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

// Place | Name | two rounds under "Rounds" | laps and time under "Best", the sub-headers and
// group titles printed in the header band between the rules, as the classifications print.
PrintDocument groupedDocument() {
    PrintDocument d;
    d.numberedRows = false;
    const int top = d.layout.table.headerTop;
    d.columns = {{"Place", 104, Align::Centre}, {"Nom <pilote>", 204, Align::Left},
                 {"", 404, Align::Left},        {"", 504, Align::Left},
                 {"", 604, Align::Centre},      {"", 704, Align::Left}};
    d.rules = {{200, top}, {400, top}, {500, top + 28}, {600, top}, {700, top + 28}};
    d.pageTexts = {{{500, top + 2}, "Manches", Align::Centre},
                   {{450, top + 30}, "1re", Align::Centre},
                   {{550, top + 30}, "2e", Align::Centre},
                   {{700, top + 2}, "Meilleur r\xE9sultat", Align::Centre},
                   {{604, top + 30}, "Tours", Align::Centre},
                   {{750, top + 30}, "Temps", Align::Centre},
                   {{100, 900}, "a text under the table", Align::Left}};
    d.rows = {{"1", "Zo\xE9 & <Co>", "21", "20", "4", "1:16.000"}};
    return d;
}

TEST(HtmlTable, textsPrintedInTheHeaderBandBecomeColumnAndGroupHeaders) {
    const HtmlTable table = tableOf(groupedDocument());
    ASSERT_EQ(table.columns.size(), 6u);
    std::vector<std::string> headers;
    std::vector<int> groups;
    for (const HtmlColumn& c : table.columns) {
        headers.push_back(c.header);
        groups.push_back(c.group);
    }
    EXPECT_EQ(headers,
              (std::vector<std::string>{"Place", "Nom <pilote>", "1re", "2e", "Tours", "Temps"}));
    EXPECT_EQ(groups, (std::vector<int>{-1, -1, 0, 0, 1, 1}));
    EXPECT_EQ(table.groups, (std::vector<std::string>{"Manches", "Meilleur r\xE9sultat"}));
}

TEST(HtmlTable, groupsSpanTheirColumnsInAFirstHeaderRowAndEveryTextIsEscaped) {
    std::string html;
    appendTable(html, tableOf(groupedDocument()));
    EXPECT_NE(html.find("<thead><tr><th rowspan=\"2\" class=\"c\">Place</th>"
                        "<th rowspan=\"2\">Nom &lt;pilote&gt;</th>"
                        "<th colspan=\"2\" class=\"c\">Manches</th>"
                        "<th colspan=\"2\" class=\"c\">Meilleur r\xC3\xA9sultat</th></tr>\n"
                        "<tr><th>1re</th><th>2e</th><th class=\"c\">Tours</th><th>Temps</th></tr>"),
              std::string::npos)
        << html;
    EXPECT_EQ(test::tableRows(html, 0),
              (test::HtmlRows{{"1", "Zo\xC3\xA9 & <Co>", "21", "20", "4", "1:16.000"}}));
    EXPECT_NE(html.find("Zo\xC3\xA9 &amp; &lt;Co&gt;"), std::string::npos);
    EXPECT_EQ(html.find("a text under the table"), std::string::npos);

    // Quotes cannot end an attribute, and a control byte from a damaged file is left out.
    EXPECT_EQ(htmlText("a\x01\"b'\x80"), "a&quot;b&#39;\xE2\x82\xAC");

    HtmlTable plain;
    plain.numberedRows = true;
    plain.columns = {{"Nom", Align::Left}};
    plain.rows = {{"A"}, {"B"}};
    std::string numbered;
    appendTable(numbered, plain);
    EXPECT_NE(numbered.find("<thead><tr><th></th><th>Nom</th></tr>\n</thead>"), std::string::npos)
        << numbered;
    EXPECT_EQ(test::tableRows(numbered, 0), (test::HtmlRows{{"1", "A"}, {"2", "B"}}));
}

} // namespace
} // namespace racedesk
