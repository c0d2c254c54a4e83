#include "core/common/cp1252.h"
#include "core/common/outer_spaces.h"
#include "core/finals/finals_levels.h"
#include "core/race/detailed_results_view.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/run_loading.h"
#include "core/race/run_results_texts.h"
#include "core/race/section_titles.h"
#include "core/reports/run_results_printout.h"
#include "core/web/html_page.h"
#include "core/web/html_table.h"
#include "core/web/site_pages.h"
#include "core/web/stored_run_view.h"
#include "core/web/web_texts.h"

#include <cstdio>
#include <memory>

namespace racedesk {
namespace {

// The run as loading it onto the board shows it: a heat ranked by its round's mode, a final by
// laps then time. False when its section is missing.
bool readRunView(MeetingFile& m, const PagePath& run, StoredRunView& view) {
    const CategoryName& name = m.entry(run.category).name;
    auto stored = std::make_unique<StoredRun>();
    RankingMode mode = RankingMode::LapsThenTime;
    bool found = false;
    if (run.isFinal()) {
        setFinalTitles(view.titles, name, m.track, run.finalIndex);
        found = readStoredRun(m.file, finalRunTitle(run.category, run.finalIndex), *stored);
    } else {
        setHeatTitles(view.titles, name, m.track, run.round, run.heat);
        QualifyingParameters parameters;
        readQualifyingParameters(m.file, run.category, parameters);
        mode = parameters.ranking;
        found = readStoredRun(m.file, heatTitle(run.category, run.round, run.heat), *stored);
    }
    if (found)
        viewStoredRun(*stored, mode, view);
    return found;
}

// The results as the printed list has them: the car, then what was credited and what the
// transponder read.
HtmlTable resultsTable(const PrintDocument& document) {
    HtmlTable table;
    table.groups = {tx(RunResultsText::PrintCreditedGroup),
                    tx(RunResultsText::PrintTransponderGroup)};
    table.columns = {{tx(RunResultsText::PrintPosition), Align::Right},
                     {tx(RunResultsText::PrintCarNumber), Align::Right},
                     {tx(RunResultsText::PrintDriver), Align::Left}};
    for (int group = 0; group < 2; ++group) {
        table.columns.push_back({tx(RunResultsText::PrintLaps), Align::Right, group});
        table.columns.push_back({tx(RunResultsText::PrintTime), Align::Right, group});
        table.columns.push_back({tx(RunResultsText::PrintBestLap), Align::Right, group});
    }
    table.rows = document.rows;
    return table;
}

std::string runHeading(const StoredRunView& view) {
    return cp1252ToUtf8(withoutOuterSpaces(view.titles.runKindTitle.view()));
}

void appendRunTitles(std::string& out, const StoredRunView& view, std::string_view heading) {
    appendHeading(out, 1, heading);
    appendParagraph(out, cp1252ToUtf8(view.titles.categoryTitle.view()));
    appendParagraph(out, cp1252ToUtf8(view.titles.raceLine.view()));
}

PagePath detailOf(PagePath run) {
    run.kind = PageKind::RunDetail;
    return run;
}

// One table of the detailed results: a row per lap, a column per car.
HtmlTable lapTable(const DetailedResults& results,
                   std::string_view (*cell)(const DetailedCar&, int, char*, int)) {
    HtmlTable table;
    table.columns.push_back({tx(RunResultsText::LapHeading), Align::Right});
    for (int k = 0; k < results.carCount; ++k) {
        const DetailedCar& car = results.cars[std::size_t(k)];
        char line[32];
        std::snprintf(line, sizeof line, tx(RunResultsText::LineHeading), car.line);
        table.columns.push_back(
            {std::string(line) + " " + std::string(car.name.view()), Align::Right});
    }
    for (int lap = 1; lap <= std::min(results.mostPassings(), kDetailLaps); ++lap) {
        PrintRow row{std::to_string(lap)};
        for (int k = 0; k < results.carCount; ++k) {
            const DetailedCar& car = results.cars[std::size_t(k)];
            char text[24];
            row.emplace_back(lap <= car.passings ? cell(car, lap, text, int(sizeof text)) : "");
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string_view lapTimeCell(const DetailedCar& car, int lap, char* text, int size) {
    return formatShortTime(splitTime(car.lapTimes[std::size_t(lap)]), text, size);
}
std::string_view passingTimeCell(const DetailedCar& car, int lap, char* text, int size) {
    return formatShortTime(splitTime(car.passingTimes[std::size_t(lap)]), text, size);
}
std::string_view positionCell(const DetailedCar& car, int lap, char* text, int size) {
    std::snprintf(text, std::size_t(size), "%d", car.positions[std::size_t(lap)]);
    return text;
}

} // namespace

std::string runPage(MeetingFile& m, const PagePath& run, bool live) {
    auto view = std::make_unique<StoredRunView>();
    const bool found = readRunView(m, run, *view);
    const std::string heading = runHeading(*view);
    std::string out = pageStart(heading, live);
    appendCategoryLink(out, m, run.category);
    appendRunTitles(out, *view, heading);
    if (!found) {
        appendParagraph(out, textUtf8(WebText::NoResults));
        out.append(pageEnd());
        return out;
    }
    const PrintDocument document =
        runResultsPrintout(view->titles, view->summary.summary.view(), view->rows, view->rowCount);
    // The summary with the track's condition, then the comment, as the printed page has them.
    if (!document.pageTexts.empty())
        appendParagraph(out, cp1252ToUtf8(document.pageTexts.front().text));
    appendTable(out, resultsTable(document));
    if (!view->titles.comment.empty())
        appendParagraph(out, cp1252ToUtf8(std::string(tx(RunResultsText::PrintComment)) + " " +
                                          std::string(view->titles.comment.view())));
    appendLinks(out, {{pageHref(detailOf(run)), textUtf8(WebText::DetailedResults)}});
    out.append(pageEnd());
    return out;
}

std::string runDetailPage(MeetingFile& m, const PagePath& run, bool live) {
    auto view = std::make_unique<StoredRunView>();
    const bool found = readRunView(m, run, *view);
    const std::string heading =
        std::string(textUtf8(WebText::DetailedResults)) + " - " + runHeading(*view);
    std::string out = pageStart(heading, live);
    appendCategoryLink(out, m, run.category);
    PagePath results = run;
    results.kind = PageKind::Run;
    appendLinks(out, {{pageHref(results), runHeading(*view)}});
    appendRunTitles(out, *view, heading);
    auto detail = std::make_unique<DetailedResults>();
    if (found)
        buildDetailedResults(view->mode, view->slots, *detail);
    if (detail->mostPassings() == 0) {
        appendParagraph(out, textUtf8(WebText::NoResults));
        out.append(pageEnd());
        return out;
    }
    appendHeading(out, 2, textUtf8(WebText::LapTimes));
    appendTable(out, lapTable(*detail, lapTimeCell));
    appendHeading(out, 2, textUtf8(WebText::PassingTimes));
    appendTable(out, lapTable(*detail, passingTimeCell));
    if (positionChartDrawn(*detail)) {
        appendHeading(out, 2, textUtf8(WebText::Positions));
        appendTable(out, lapTable(*detail, positionCell));
    }
    out.append(pageEnd());
    return out;
}

} // namespace racedesk
