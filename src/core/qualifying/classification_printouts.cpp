#include "core/qualifying/classification_printouts.h"

#include "core/qualifying/classification_format.h"
#include "core/reports/csv_export.h"
#include "core/reports/page_titles.h"
#include "core/reports/print_file_name.h"
#include "core/timing/key_labels.h"

#include <algorithm>

namespace racedesk {
namespace {

constexpr int kRuleGap = 5;  // a column's rule stands this far left of its texts
constexpr int kPlaceX = 135; // the place, centred in the column of the row numbers
constexpr int kPlaceRule = 170;
constexpr int kSubHeaderTop = 280; // sub-column titles, under their group's title
constexpr int kGroupTitleTop = 252;
constexpr int kSubRuleTop = 278;

// Both lists number their places in a column of their own, which has a header.
PrintDocument classificationDocument(const ClassificationContext& context) {
    PrintDocument document;
    document.firstTitle = categoryTitle(context.entry.name.view());
    document.category = context.entry.name.view();
    document.raceLine = raceLine(context.track.raceName.view(), context.track.circuit.view());
    document.layout.table.headerLeft = document.layout.table.bodyLeft;
    document.numberedRows = false;
    return document;
}

PrintColumn placeColumn() {
    return {tx(ClassificationText::ColumnPlace), kPlaceX, Align::Centre};
}

// Round list columns.
constexpr int kRoundNameX = 175;
constexpr int kRoundLapsX = 540;
constexpr int kRoundLapsRule = 500;
constexpr int kRoundTimeX = 590;
constexpr int kRoundBestX = 740;
constexpr int kRoundPointsX = 950;
constexpr int kRoundPointsRule = 900;

PrintRow roundRow(int place, const RoundEntry& e) {
    return {numberText(place),          std::string(e.name.view()), numberText(e.laps),
            shortTimeText(e.totalTime), shortTimeText(e.bestLap),   numberText(e.points)};
}

// Overall list columns; the table reaches further right than the frame's usual one.
constexpr int kOverallRight = 1080;
constexpr int kOverallNameX = 175;
constexpr int kOverallPointsRule = 388;
constexpr int kOverallPointsX = 424;
constexpr int kBestRoundsLeft = 460;
constexpr int kBestRoundWidth = 72;
constexpr int kPrintedBestRounds = 4;
constexpr int kBestResultLeft = kBestRoundsLeft + kPrintedBestRounds * kBestRoundWidth; // 748
constexpr int kOverallLapsX = 778;
constexpr int kOverallTimeRule = 808;
constexpr int kOverallBestLapRule = 918;

std::string bestRoundCell(const RoundPoints& item) {
    if (item.points == 0)
        return {};
    const std::string tag = roundTag(item.round);
    return tag.empty() ? numberText(item.points) : numberText(item.points) + " " + tag;
}

PrintRow overallRow(int place, const OverallEntry& e) {
    PrintRow row = {numberText(place), std::string(e.name.view()), numberText(e.totalPoints)};
    for (int i = 0; i < kPrintedBestRounds; ++i)
        row.push_back(bestRoundCell(e.points[std::size_t(i)]));
    const RoundResult& result = e.results[0];
    const bool ran = result.round != 0;
    row.push_back(ran ? numberText(result.laps) : std::string());
    row.push_back(ran ? shortTimeText(result.totalTime) : std::string());
    const RoundBestLap& lap = e.bestLaps[0];
    row.push_back(lap.round != 0 ? shortTimeText(lap.bestLap) : std::string());
    return row;
}

// The best rounds hold their points and the round ("9 M2"): texts to a spreadsheet.
void addOverallExportColumns(PrintDocument& document,
                             const ClassificationText (&bestHeaders)[kPrintedBestRounds]) {
    document.exportColumns = {{tx(ClassificationText::ColumnPlace), CellKind::Number},
                              {tx(ClassificationText::ColumnName), CellKind::Text},
                              {tx(ClassificationText::ColumnPoints), CellKind::Number}};
    const char* bestRounds = tx(ClassificationText::PrintFourBest);
    for (const ClassificationText header : bestHeaders)
        document.exportColumns.push_back(groupedColumn(bestRounds, tx(header), CellKind::Text));
    const char* bestResult = tx(ClassificationText::PrintBestResult);
    document.exportColumns.push_back(
        groupedColumn(bestResult, tx(ClassificationText::ColumnLaps), CellKind::Number));
    document.exportColumns.push_back(
        groupedColumn(bestResult, tx(ClassificationText::PrintTime), CellKind::Time));
    document.exportColumns.push_back(
        groupedColumn(bestResult, tx(ClassificationText::ColumnBestLap), CellKind::Time));
}

void addOverallColumns(PrintDocument& document) {
    const int top = document.layout.table.headerTop;
    document.columns = {placeColumn(),
                        {tx(ClassificationText::ColumnName), kOverallNameX, Align::Left},
                        {tx(ClassificationText::ColumnPoints), kOverallPointsX, Align::Centre}};
    document.rules = {{kPlaceRule, top}, {kOverallPointsRule, top}, {kBestRoundsLeft, top}};
    const ClassificationText bestHeaders[kPrintedBestRounds] = {
        ClassificationText::ColumnBest, ClassificationText::PrintSecond,
        ClassificationText::PrintThird, ClassificationText::PrintFourth};
    addOverallExportColumns(document, bestHeaders);
    for (int i = 0; i < kPrintedBestRounds; ++i) {
        const int left = kBestRoundsLeft + i * kBestRoundWidth;
        document.columns.push_back({{}, left + kRuleGap, Align::Left});
        document.pageTexts.push_back(
            {{left + kBestRoundWidth / 2, kSubHeaderTop}, tx(bestHeaders[i]), Align::Centre});
        if (i > 0)
            document.rules.push_back({left, kSubRuleTop});
    }
    document.pageTexts.push_back({{(kBestRoundsLeft + kBestResultLeft) / 2, kGroupTitleTop},
                                  tx(ClassificationText::PrintFourBest),
                                  Align::Centre});
    document.columns.push_back({{}, kOverallLapsX, Align::Centre});
    document.columns.push_back({{}, kOverallTimeRule + kRuleGap, Align::Left});
    document.columns.push_back({{}, kOverallBestLapRule + kRuleGap, Align::Left});
    document.rules.push_back({kBestResultLeft, top});
    document.rules.push_back({kOverallTimeRule, kSubRuleTop});
    document.rules.push_back({kOverallBestLapRule, kSubRuleTop});
    document.pageTexts.push_back({{(kBestResultLeft + kOverallRight) / 2, kGroupTitleTop},
                                  tx(ClassificationText::PrintBestResult),
                                  Align::Centre});
    document.pageTexts.push_back(
        {{kOverallLapsX, kSubHeaderTop}, tx(ClassificationText::ColumnLaps), Align::Centre});
    document.pageTexts.push_back({{(kOverallTimeRule + kOverallBestLapRule) / 2, kSubHeaderTop},
                                  tx(ClassificationText::PrintTime),
                                  Align::Centre});
    document.pageTexts.push_back({{(kOverallBestLapRule + kOverallRight) / 2, kSubHeaderTop},
                                  tx(ClassificationText::ColumnBestLap),
                                  Align::Centre});
}

} // namespace

PrintDocument roundClassificationPrintout(const RoundClassificationState& state) {
    PrintDocument document = classificationDocument(state.context);
    document.jobName = tx(Text::PrintJobRoundClassification);
    document.fileTitle = printFileTitle(PrintFileText::RoundClassification, state.round);
    document.secondTitle = formatted(ClassificationText::PrintRoundTitle, state.round);
    document.datePrefix = labelOf(state.classification.ranking);
    const int top = document.layout.table.headerTop;
    document.columns = {placeColumn(),
                        {tx(ClassificationText::ColumnName), kRoundNameX, Align::Left},
                        {tx(ClassificationText::ColumnLaps), kRoundLapsX, Align::Centre},
                        {tx(ClassificationText::PrintTime), kRoundTimeX, Align::Left},
                        {tx(ClassificationText::ColumnBestLap), kRoundBestX, Align::Left},
                        {tx(ClassificationText::ColumnPoints), kRoundPointsX, Align::Centre}};
    document.exportColumns = {{tx(ClassificationText::ColumnPlace), CellKind::Number},
                              {tx(ClassificationText::ColumnName), CellKind::Text},
                              {tx(ClassificationText::ColumnLaps), CellKind::Number},
                              {tx(ClassificationText::PrintTime), CellKind::Time},
                              {tx(ClassificationText::ColumnBestLap), CellKind::Time},
                              {tx(ClassificationText::ColumnPoints), CellKind::Number}};
    document.rules = {{kPlaceRule, top},
                      {kRoundLapsRule, top},
                      {kRoundTimeX - kRuleGap, top},
                      {kRoundBestX - kRuleGap, top},
                      {kRoundPointsRule, top}};
    const int places = std::clamp(state.context.entry.participants, 0, kMaxRoundEntries);
    for (int i = 0; i < places; ++i) {
        const RoundEntry& e = state.classification.entries[std::size_t(i)];
        if (e.name.empty())
            break;
        document.rows.push_back(roundRow(i + 1, e));
    }
    return document;
}

PrintDocument overallClassificationPrintout(const OverallClassificationState& state) {
    PrintDocument document = classificationDocument(state.context);
    document.jobName = tx(Text::PrintJobOverallClassification);
    document.fileTitle = tx(PrintFileText::OverallClassification);
    document.secondTitle = tx(ClassificationText::PrintOverallTitle);
    document.datePrefix =
        formatted(ClassificationText::PrintOverallDatePrefix, state.standing.bestRounds);
    document.layout.table.right = kOverallRight;
    addOverallColumns(document);
    for (int i = 0; i < state.standing.count; ++i)
        document.rows.push_back(overallRow(i + 1, state.standing.entries[std::size_t(i)]));
    return document;
}

} // namespace racedesk
