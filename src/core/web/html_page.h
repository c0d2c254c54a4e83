#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace racedesk {

// The pieces every page of the meeting is made of: UTF-8 HTML, every link relative to the
// folder of the pages, so that a static export works from any folder and from a web site.

// A text of core (Windows-1252), in UTF-8 with HTML's special characters escaped.
std::string htmlText(std::string_view cp1252);
// A UTF-8 text with HTML's special characters escaped.
std::string htmlEscape(std::string_view utf8);

struct PageLink {
    std::string href;  // relative to the pages' folder
    std::string label; // UTF-8
};

// The page's head with its title and the shared style sheet, then the bar that leads back to
// the meeting (and to the live board when the program serves the pages).
std::string pageStart(std::string_view titleUtf8, bool live);
std::string pageEnd();

void appendHeading(std::string& out, int level, std::string_view utf8);
void appendParagraph(std::string& out, std::string_view utf8);
void appendLinks(std::string& out, const std::vector<PageLink>& links);

} // namespace racedesk
