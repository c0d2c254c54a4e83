#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace racedesk {

// The paths of the meeting's pages. Every page stands at the top of the site, so a page links
// to another by its name alone and the links resolve the same when the program serves the
// pages and in an exported folder.

enum class PageKind {
    Meeting,             // "/"
    Category,            // "/category2.html"
    Run,                 // "/category2-round1-heat3.html", "/category2-final4.html"
    RunDetail,           // the same with "-detail" before ".html"
    RoundClassification, // "/category2-round1.html"
    OverallClassification,
    ClosureReport,
};

struct PagePath {
    PageKind kind = PageKind::Meeting;
    int category = 0;    // from 1
    int round = 0;       // a round's pages and heats, from 1
    int heat = 0;        // a heat, from 1
    int finalIndex = -1; // a final: 0 the Final, 2·L − 1 the 1/2^L A, 2·L its B

    bool isFinal() const { return finalIndex >= 0; }
};

std::string pagePath(const PagePath& page);
// The page a path names, whether or not the meeting has it; nullopt for any other path.
// "/index.html" names the meeting too, which the pages link to as "index.html".
std::optional<PagePath> parsePagePath(std::string_view path);
// A link from one page to another: its path without the leading "/", the meeting's
// "index.html".
std::string pageHref(const PagePath& page);

} // namespace racedesk
