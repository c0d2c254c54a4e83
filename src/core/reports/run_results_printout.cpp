#include "core/reports/run_results_printout.h"

#include "core/common/outer_spaces.h"
#include "core/common/texts.h"
#include "core/race/run_results_texts.h"
#include "core/reports/print_file_name.h"
#include "core/reports/print_frame.h"
#include "core/timing/key_labels.h"

#include <algorithm>
#include <string>

namespace racedesk {
namespace {

// Logical units of the landscape page.
constexpr int kTableLeft = 195;
constexpr int kTableRight = 1565;
constexpr int kHeaderTop = 268;
constexpr int kGroupRuleY = 300; // under the group headers
constexpr int kBodyTop = 331;
constexpr int kRowTextTop = 335;
constexpr int kRowsHeight = 572;
constexpr int kGroupHeaderY = 273;
constexpr int kCarHeaderY = 286;
constexpr int kValueHeaderY = 307;
constexpr int kCreditedGroupX = 962;
constexpr int kTransponderGroupX = 1365;
constexpr int kSummaryX = 156;
constexpr int kSummaryY = 234;
constexpr int kCommentLabelX = 156;
constexpr int kCommentX = 338;
constexpr int kCommentY = 936;
// The headers are smaller than the frame's font: "Meilleur tour" has 75 units before the rule
// that ends its group.
constexpr int kHeaderFontHeight = 13;
constexpr int kRowFontHeight = 16;
constexpr int kOutlinePen = 2;

// Columns of a printed row: position, car number, driver, then the two groups.
constexpr int kColumnX[] = {202, 260, 286, 715, 871, 1027, 1105, 1261, 1417};
constexpr int kColumnCount = int(std::size(kColumnX));
constexpr int kFirstValueColumn = 3;
constexpr int kValuesPerGroup = 3;
// The rules stand just left of each column's texts; those inside a group stop under its header.
constexpr int kRuleGap = 4;
constexpr int kGroupBoundaryX = 1102;

void drawText(Canvas& canvas, int x, int y, std::string_view text, int fontHeight) {
    if (!text.empty())
        canvas.text(x, y, text, arialFont(fontHeight), kBlack, Align::Left, false, kWhite);
}

void drawLines(Canvas& canvas, int rows) {
    const int step = runResultsRowStep(rows);
    const int bottom = kBodyTop + step * rows;
    for (int i = 1; i < rows; ++i) {
        const int y = kBodyTop + step * i;
        canvas.line({kTableLeft, y}, {kTableRight, y}, kRowRuleGrey, 1, PenStyle::Solid);
    }
    canvas.line({kColumnX[kFirstValueColumn] - kRuleGap, kGroupRuleY}, {kTableRight, kGroupRuleY},
                kBlack, 1, PenStyle::Solid);
    for (int c = 1; c < kColumnCount; ++c) {
        const bool insideGroup = c > kFirstValueColumn;
        const int x =
            c == kFirstValueColumn + kValuesPerGroup ? kGroupBoundaryX : kColumnX[c] - kRuleGap;
        canvas.line({x, insideGroup ? kGroupRuleY : kHeaderTop}, {x, bottom}, kBlack, 1,
                    PenStyle::Solid);
    }
    canvas.frameRect({kTableLeft, kHeaderTop, kTableRight, kBodyTop}, kBlack, kOutlinePen, false,
                     kWhite);
    canvas.frameRect({kTableLeft, kBodyTop, kTableRight, bottom}, kBlack, kOutlinePen, false,
                     kWhite);
}

void drawHeaders(Canvas& canvas) {
    drawText(canvas, kCreditedGroupX, kGroupHeaderY, tx(RunResultsText::PrintCreditedGroup),
             kHeaderFontHeight);
    drawText(canvas, kTransponderGroupX, kGroupHeaderY, tx(RunResultsText::PrintTransponderGroup),
             kHeaderFontHeight);
    const RunResultsText carHeaders[] = {
        RunResultsText::PrintPosition, RunResultsText::PrintCarNumber, RunResultsText::PrintDriver};
    for (int c = 0; c < kFirstValueColumn; ++c)
        drawText(canvas, kColumnX[c], kCarHeaderY, tx(carHeaders[c]), kHeaderFontHeight);
    const RunResultsText valueHeaders[] = {RunResultsText::PrintLaps, RunResultsText::PrintTime,
                                           RunResultsText::PrintBestLap};
    for (int c = kFirstValueColumn; c < kColumnCount; ++c)
        drawText(canvas, kColumnX[c], kValueHeaderY,
                 tx(valueHeaders[(c - kFirstValueColumn) % kValuesPerGroup]), kHeaderFontHeight);
}

// The document's own table: its rows are not the frame's list of equal rows of 30 units.
void drawResultsTable(Canvas& canvas, const PrintDocument& document, int) {
    const int rows = int(document.rows.size());
    drawLines(canvas, rows);
    drawHeaders(canvas);
    const int step = runResultsRowStep(rows);
    for (int i = 0; i < rows; ++i) {
        const PrintRow& row = document.rows[std::size_t(i)];
        for (int c = 0; c < kColumnCount && c < int(row.size()); ++c)
            drawText(canvas, kColumnX[c], kRowTextTop + step * i, row[std::size_t(c)],
                     kRowFontHeight);
    }
}

PrintRow printedRow(const BoardRow& row) {
    return {std::string(row.position.view()),
            std::string(withoutOuterSpaces(row.carNumber.view())),
            std::string(row.name.view()),
            std::string(row.laps.view()),
            std::string(row.totalTime.view()),
            std::string(row.bestLap.view()),
            std::string(row.passings.view()),
            std::string(row.ownTimeAtLastLap.view()),
            std::string(row.bestLapFromTable.view())};
}

} // namespace

int runResultsRowStep(int rows) {
    return rows > 0 ? kRowsHeight / rows : 0;
}

PrintDocument runResultsPrintout(const LoadedRun& run, std::string_view summary,
                                 const BoardRows& rows, int rowCount) {
    PrintDocument document;
    document.jobName = tx(Text::PrintJobRunResults);
    document.fileTitle = tx(PrintFileText::RunResults);
    document.category = run.runTitle.view(); // the category, round and heat
    document.layout = landscapeLayout();
    document.firstTitle = run.categoryTitle.view();
    document.secondTitle = run.runKindTitle.view();
    document.raceLine = run.raceLine.view();
    document.dated = false;
    document.numberedRows = false;
    document.pageTexts = {
        {{kSummaryX, kSummaryY},
         readableSummary(summary) + " - " + readableCondition(run.condition.view()),
         Align::Left},
        {{kCommentLabelX, kCommentY}, tx(RunResultsText::PrintComment), Align::Left},
        {{kCommentX, kCommentY}, std::string(run.comment.view()), Align::Left}};
    for (int i = 0; i < std::clamp(rowCount, 0, kCarCount); ++i)
        document.rows.push_back(printedRow(rows[std::size_t(i)]));
    document.drawTable = drawResultsTable;
    return document;
}

} // namespace racedesk
