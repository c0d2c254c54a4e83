#include "core/common/cp1252.h"
#include "core/common/text_file.h"
#include "core/databases/drivers.h"
#include "core/race/participants_section.h"
#include "core/race/race_tree.h"
#include "core/reports/participants_printout.h"
#include "core/web/html_page.h"
#include "core/web/html_table.h"
#include "core/web/site_pages.h"
#include "core/web/web_texts.h"

#include <cstdio>
#include <memory>

namespace racedesk {
namespace {

std::string formattedUtf8(WebText pattern, int number) {
    char text[128];
    std::snprintf(text, sizeof text, textUtf8(pattern), number);
    return text;
}

void appendMeetingLine(std::string& out, const MeetingFile& m) {
    std::string line = cp1252ToUtf8(m.track.club.view());
    const std::string circuit = cp1252ToUtf8(m.track.circuit.view());
    if (!line.empty() && !circuit.empty())
        line.append(" - ");
    line.append(circuit);
    if (!line.empty())
        appendParagraph(out, line);
}

std::vector<DriverIdentity> driverIdentities(const DriverTable& drivers, int count) {
    std::vector<DriverIdentity> identities;
    for (int i = 0; i < count; ++i) {
        const DriverRecord& r = drivers[std::size_t(i)];
        identities.push_back({r.name.view(), r.licence.view(), r.club.view()});
    }
    return identities;
}

void appendParticipants(std::string& out, MeetingFile& m, int category) {
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
    appendTable(out, tableOf(document));
}

void appendQualifying(std::string& out, const MeetingFile& m, int category) {
    appendHeading(out, 2, textUtf8(WebText::Qualifying));
    bool any = false;
    for (int round = 1; round <= m.entry(category).rounds; ++round) {
        const std::vector<PagePath> heats = storedHeats(m, category, round);
        if (heats.empty())
            continue;
        any = true;
        appendHeading(out, 3, formattedUtf8(WebText::Round, round));
        std::vector<PageLink> links;
        for (const PagePath& heat : heats)
            links.push_back({pageHref(heat), formattedUtf8(WebText::Heat, heat.heat)});
        links.push_back({pageHref({PageKind::RoundClassification, category, round}),
                         formattedUtf8(WebText::RoundClassification, round)});
        appendLinks(out, links);
    }
    if (!any) {
        appendParagraph(out, textUtf8(WebText::NoResults));
        return;
    }
    appendLinks(out, {{pageHref({PageKind::OverallClassification, category}),
                       textUtf8(WebText::OverallClassification)}});
}

void appendFinals(std::string& out, const MeetingFile& m, int category) {
    const std::vector<PagePath> finals = storedFinals(m, category);
    if (finals.empty())
        return;
    appendHeading(out, 2, textUtf8(WebText::Finals));
    std::vector<PageLink> links;
    for (const PagePath& final : finals)
        links.push_back({pageHref(final), cp1252ToUtf8(finalItemText(final.finalIndex))});
    links.push_back(
        {pageHref({PageKind::ClosureReport, category}), textUtf8(WebText::ClosureReport)});
    appendLinks(out, links);
}

} // namespace

std::string meetingTitle(const MeetingFile& m) {
    const std::string name = cp1252ToUtf8(m.track.raceName.view());
    return name.empty() ? textUtf8(WebText::Meeting) : name;
}

void appendCategoryLink(std::string& out, const MeetingFile& m, int category) {
    appendLinks(out, {{pageHref({PageKind::Category, category}),
                       cp1252ToUtf8(m.entry(category).name.view())}});
}

std::string meetingIndexPage(const MeetingFile& m, bool live) {
    const std::string title = meetingTitle(m);
    std::string out = pageStart(title, live);
    appendHeading(out, 1, title);
    appendMeetingLine(out, m);
    appendHeading(out, 2, textUtf8(WebText::Categories));
    std::vector<PageLink> links;
    for (int c = 1; c <= m.categoryCount(); ++c)
        links.push_back({pageHref({PageKind::Category, c}), cp1252ToUtf8(m.entry(c).name.view())});
    if (links.empty())
        appendParagraph(out, textUtf8(WebText::NoCategories));
    appendLinks(out, links);
    out.append(pageEnd());
    return out;
}

std::string categoryPage(MeetingFile& m, int category, bool live) {
    const std::string name = cp1252ToUtf8(m.entry(category).name.view());
    std::string out = pageStart(name, live);
    appendHeading(out, 1, name);
    appendParagraph(out, meetingTitle(m));
    appendQualifying(out, m, category);
    appendFinals(out, m, category);
    appendParticipants(out, m, category);
    out.append(pageEnd());
    return out;
}

} // namespace racedesk
