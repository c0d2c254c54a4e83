#include "core/web/meeting_site.h"

#include "core/common/cp1252.h"
#include "core/common/text_file.h"
#include "core/databases/drivers.h"
#include "core/race/participants_section.h"
#include "core/race/race_header.h"
#include "core/race/track_section.h"
#include "core/race/working_race_file.h"
#include "core/reports/participants_printout.h"
#include "core/web/html_page.h"
#include "core/web/site_style.h"
#include "core/web/web_texts.h"

#include <charconv>
#include <memory>

namespace racedesk {
namespace {

// What every page starts from: the race file opened to read, its header and its track.
struct Meeting {
    explicit Meeting(const MeetingSource& source)
        : workDir(source.workDir),
          file(joinPath(source.workDir, kWorkingRaceFile), SectionFile::ToRead{}) {
        readRaceHeader(file, header);
        readTrack(file, track);
    }
    int categoryCount() const { return file.isOpen() ? header.categoryCount : 0; }
    const CategoryEntry& entry(int category) const {
        return header.categories[std::size_t(category - 1)];
    }

    std::string workDir;
    SectionFile file;
    RaceHeader header;
    TrackSettings track;
};

std::string categoryPath(int category) {
    return "/category" + std::to_string(category) + ".html";
}

std::string hrefOf(std::string_view path) {
    return exportFileName(path);
}

std::string utf8(std::string_view cp1252) {
    return cp1252ToUtf8(cp1252);
}

// The category number a path names after `prefix`, and what follows it.
struct CategoryPath {
    int category = 0;
    std::string_view rest;
};

std::optional<CategoryPath> categoryOf(std::string_view path, std::string_view prefix,
                                       int categoryCount) {
    if (!path.starts_with(prefix))
        return std::nullopt;
    path.remove_prefix(prefix.size());
    CategoryPath parsed;
    const auto [end, error] =
        std::from_chars(path.data(), path.data() + path.size(), parsed.category);
    if (error != std::errc{} || parsed.category < 1 || parsed.category > categoryCount)
        return std::nullopt;
    parsed.rest = path.substr(std::size_t(end - path.data()));
    return parsed;
}

std::string meetingTitle(const Meeting& m) {
    const std::string name = utf8(m.track.raceName.view());
    return name.empty() ? textUtf8(WebText::Meeting) : name;
}

void appendMeetingLine(std::string& out, const Meeting& m) {
    std::string line = utf8(m.track.club.view());
    const std::string circuit = utf8(m.track.circuit.view());
    if (!line.empty() && !circuit.empty())
        line.append(" - ");
    line.append(circuit);
    if (!line.empty())
        appendParagraph(out, line);
}

std::string indexPage(const Meeting& m, bool live) {
    const std::string title = meetingTitle(m);
    std::string out = pageStart(title, live);
    appendHeading(out, 1, title);
    appendMeetingLine(out, m);
    appendHeading(out, 2, textUtf8(WebText::Categories));
    std::vector<PageLink> links;
    for (int c = 1; c <= m.categoryCount(); ++c)
        links.push_back({hrefOf(categoryPath(c)), utf8(m.entry(c).name.view())});
    if (links.empty())
        appendParagraph(out, textUtf8(WebText::NoCategories));
    appendLinks(out, links);
    out.append(pageEnd());
    return out;
}

std::vector<DriverIdentity> driverIdentities(const DriverTable& drivers, int count) {
    std::vector<DriverIdentity> identities;
    for (int i = 0; i < count; ++i) {
        const DriverRecord& r = drivers[std::size_t(i)];
        identities.push_back({r.name.view(), r.licence.view(), r.club.view()});
    }
    return identities;
}

void appendParticipants(std::string& out, Meeting& m, int category) {
    auto participants = std::make_unique<ParticipantTable>();
    readParticipants(m.file, category, *participants);
    auto drivers = std::make_unique<DriverTable>();
    const int driverCount = readDrivers(joinPath(m.workDir, kDriversFile), *drivers)
                                ? listedCount<DriverRecord, 40>(*drivers, kDriverNames)
                                : 0;
    const PrintDocument document =
        participantsPrintout(*participants, m.entry(category).name.view(), m.track.raceName.view(),
                             m.track.circuit.view(), driverIdentities(*drivers, driverCount));
    appendHeading(out, 2, textUtf8(WebText::Participants));
    appendTable(out, document);
}

std::string categoryPage(Meeting& m, int category, bool live) {
    const std::string name = utf8(m.entry(category).name.view());
    std::string out = pageStart(name, live);
    appendHeading(out, 1, name);
    appendParagraph(out, meetingTitle(m));
    appendParticipants(out, m, category);
    out.append(pageEnd());
    return out;
}

WebPage html(std::string body) {
    return {"text/html; charset=utf-8", std::move(body)};
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
    Meeting m(source);
    if (path == "/" || path == "/index.html")
        return html(indexPage(m, live));
    if (const auto c = categoryOf(path, "/category", m.categoryCount()); c && c->rest == ".html")
        return html(categoryPage(m, c->category, live));
    return std::nullopt;
}

std::vector<std::string> meetingPagePaths(const MeetingSource& source) {
    const Meeting m(source);
    std::vector<std::string> paths{"/", "/style.css"};
    for (int c = 1; c <= m.categoryCount(); ++c)
        paths.push_back(categoryPath(c));
    return paths;
}

} // namespace racedesk
