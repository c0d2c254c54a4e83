#include "core/web/page_paths.h"

#include <charconv>

namespace racedesk {
namespace {

// Reads `word` then a number of 1 to 3 digits from the front of `text`.
bool takeNumber(std::string_view& text, std::string_view word, int& number) {
    if (!text.starts_with(word))
        return false;
    text.remove_prefix(word.size());
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return false;
    const char* end = text.data() + std::min<std::size_t>(text.size(), 3);
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc{})
        return false;
    text.remove_prefix(std::size_t(stop - text.data()));
    return true;
}

std::optional<PagePath> parseCategoryPage(std::string_view rest) {
    PagePath page;
    if (!takeNumber(rest, "/category", page.category))
        return std::nullopt;
    page.kind = PageKind::Category;
    if (takeNumber(rest, "-round", page.round)) {
        page.kind = PageKind::RoundClassification;
        if (takeNumber(rest, "-heat", page.heat))
            page.kind = PageKind::Run;
    } else if (takeNumber(rest, "-final", page.finalIndex)) {
        page.kind = PageKind::Run;
    } else if (rest.starts_with("-overall")) {
        page.kind = PageKind::OverallClassification;
        rest.remove_prefix(8);
    } else if (rest.starts_with("-closure")) {
        page.kind = PageKind::ClosureReport;
        rest.remove_prefix(8);
    }
    if (page.kind == PageKind::Run && rest.starts_with("-detail")) {
        page.kind = PageKind::RunDetail;
        rest.remove_prefix(7);
    }
    if (rest != ".html")
        return std::nullopt;
    return page;
}

} // namespace

std::string pagePath(const PagePath& page) {
    if (page.kind == PageKind::Meeting)
        return "/";
    std::string path = "/category" + std::to_string(page.category);
    switch (page.kind) {
    case PageKind::Run:
    case PageKind::RunDetail:
        if (page.isFinal())
            path += "-final" + std::to_string(page.finalIndex);
        else
            path += "-round" + std::to_string(page.round) + "-heat" + std::to_string(page.heat);
        if (page.kind == PageKind::RunDetail)
            path += "-detail";
        break;
    case PageKind::RoundClassification:
        path += "-round" + std::to_string(page.round);
        break;
    case PageKind::OverallClassification:
        path += "-overall";
        break;
    case PageKind::ClosureReport:
        path += "-closure";
        break;
    case PageKind::Meeting:
    case PageKind::Category:
        break;
    }
    return path + ".html";
}

std::optional<PagePath> parsePagePath(std::string_view path) {
    if (path == "/" || path == "/index.html")
        return PagePath{};
    const std::optional<PagePath> page = parseCategoryPage(path);
    // Only the path the pages link to: "/category01.html" or "/category1-final+2.html" is not
    // one, so a page has one address.
    if (!page || pagePath(*page) != path)
        return std::nullopt;
    return page;
}

std::string pageHref(const PagePath& page) {
    if (page.kind == PageKind::Meeting)
        return "index.html";
    return pagePath(page).substr(1);
}

} // namespace racedesk
