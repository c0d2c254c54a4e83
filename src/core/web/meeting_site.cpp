#include "core/web/meeting_site.h"

#include "core/web/meeting_file.h"
#include "core/web/site_pages.h"
#include "core/web/site_style.h"

namespace racedesk {
namespace {

std::string pageHtml(MeetingFile& m, const PagePath& page, bool live) {
    switch (page.kind) {
    case PageKind::Meeting:
        return meetingIndexPage(m, live);
    case PageKind::Category:
        return categoryPage(m, page.category, live);
    case PageKind::Run:
        return runPage(m, page, live);
    case PageKind::RunDetail:
        return runDetailPage(m, page, live);
    case PageKind::RoundClassification:
        return roundClassificationPage(m, page.category, page.round, live);
    case PageKind::OverallClassification:
        return overallClassificationPage(m, page.category, live);
    case PageKind::ClosureReport:
        return closureReportPage(m, page.category, live);
    }
    return {};
}

} // namespace

std::string exportFileName(std::string_view path) {
    if (path == "/")
        return "index.html";
    return std::string(path.substr(path.starts_with('/') ? 1 : 0));
}

std::optional<WebPage> meetingPage(const MeetingSource& source, std::string_view path, bool live) {
    if (path == "/style.css")
        return WebPage{"text/css; charset=utf-8", std::string(siteStyle())};
    const std::optional<PagePath> page = parsePagePath(path);
    if (!page)
        return std::nullopt;
    MeetingFile m(source);
    if (!hasPage(m, *page))
        return std::nullopt;
    return WebPage{"text/html; charset=utf-8", pageHtml(m, *page, live)};
}

std::vector<std::string> meetingPagePaths(const MeetingSource& source) {
    const MeetingFile m(source);
    std::vector<std::string> paths{"/", "/style.css"};
    for (int c = 1; c <= m.categoryCount(); ++c) {
        for (const PagePath& page : categoryPages(m, c))
            paths.push_back(pagePath(page));
    }
    return paths;
}

} // namespace racedesk
