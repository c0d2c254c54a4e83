#pragma once
#include <string>
#include <vector>

namespace racedesk::test {

// What the tests read of the pages the program writes: plain scans of its own regular markup.

using HtmlRows = std::vector<std::vector<std::string>>;

// The text of HTML with its tags taken out and its character references read.
std::string htmlToText(const std::string& html);
// The targets of every link of the page, in order.
std::vector<std::string> hrefsOf(const std::string& html);
// The body rows of the page's table `table` (from 0), each cell's text; none when the page has
// fewer tables.
HtmlRows tableRows(const std::string& html, int table);

} // namespace racedesk::test
