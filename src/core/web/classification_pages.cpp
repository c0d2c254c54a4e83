#include "core/common/cp1252.h"
#include "core/common/outer_spaces.h"
#include "core/finals/closure_report_view.h"
#include "core/qualifying/classification_printouts.h"
#include "core/web/html_page.h"
#include "core/web/html_table.h"
#include "core/web/site_pages.h"
#include "core/web/web_texts.h"

#include <memory>

namespace racedesk {
namespace {

// The page of a printed list: its titles, what it is dated after, and its table.
std::string listPage(const MeetingFile& m, int category, const PrintDocument& document,
                     std::string_view fallbackTitle, bool live) {
    const std::string title = document.secondTitle.empty()
                                  ? std::string(fallbackTitle)
                                  : cp1252ToUtf8(withoutOuterSpaces(document.secondTitle));
    std::string out = pageStart(title, live);
    appendCategoryLink(out, m, category);
    appendHeading(out, 1, title);
    for (const std::string* line : {&document.firstTitle, &document.raceLine, &document.datePrefix})
        if (!withoutOuterSpaces(*line).empty())
            appendParagraph(out, cp1252ToUtf8(withoutOuterSpaces(*line)));
    if (document.rows.empty())
        appendParagraph(out, textUtf8(WebText::NoResults));
    else
        appendTable(out, tableOf(document));
    out.append(pageEnd());
    return out;
}

} // namespace

std::string roundClassificationPage(MeetingFile& m, int category, int round, bool live) {
    auto state = std::make_unique<RoundClassificationState>();
    bool compositionFound = true;
    PrintDocument document;
    if (readRoundClassificationState(m.file, category, round, *state, compositionFound))
        document = roundClassificationPrintout(*state);
    return listPage(m, category, document, textUtf8(WebText::Qualifying), live);
}

std::string overallClassificationPage(MeetingFile& m, int category, bool live) {
    auto state = std::make_unique<OverallClassificationState>();
    PrintDocument document;
    if (readOverallClassificationState(m.file, category, *state))
        document = overallClassificationPrintout(*state);
    return listPage(m, category, document, textUtf8(WebText::OverallClassification), live);
}

std::string closureReportPage(MeetingFile& m, int category, bool live) {
    auto report = std::make_unique<ClosureReport>();
    PrintDocument document;
    if (readClosureReport(m.file, category, *report))
        document = closureReportPrintout(*report);
    return listPage(m, category, document, textUtf8(WebText::ClosureReport), live);
}

} // namespace racedesk
