#include "core/finals/closure_report_view.h"

#include "core/finals/finals_texts.h"
#include "core/reports/csv_export.h"
#include "core/reports/print_file_texts.h"

#include <array>
#include <cstdio>

namespace racedesk {
namespace {

template <typename... Args> std::string formatted(FinalsText pattern, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, tx(pattern), args...);
    return text;
}

std::string reportTitle(const ClosureReport& report) {
    return formatted(FinalsText::ReportTitle, report.categoryName.c_str());
}

std::string placeText(int place) {
    return place > 0 ? std::to_string(place) : std::string();
}

// The texts of a row by column: rank, name, level, place, result, qualifying place, points.
constexpr int kColumns = 7;
std::array<std::string, kColumns> rowTexts(const ClosureRow& row) {
    const bool qualifier = row.level == kQualifyingOnly;
    return {rankText(row),
            std::string(row.name.view()),
            levelText(row),
            qualifier ? std::string() : placeText(row.place),
            resultText(row),
            placeText(row.qualifyingPlace),
            std::to_string(row.qualifyingPoints)};
}

// Screen: the finals group from the level to the result, the qualifying group after it.
constexpr std::array<ScreenColumn, kColumns> kScreenColumns = {{{0, 60, Align::Centre},
                                                                {60, 250, Align::Left},
                                                                {310, 80, Align::Centre},
                                                                {390, 60, Align::Centre, true},
                                                                {450, 230, Align::Left, true},
                                                                {680, 80, Align::Centre},
                                                                {760, 80, Align::Centre, true}}};
constexpr std::array<FinalsText, kColumns> kHeaders = {
    FinalsText::ColumnRank,  FinalsText::ColumnName,   FinalsText::ColumnLevel,
    FinalsText::ColumnPlace, FinalsText::ColumnResult, FinalsText::ColumnQualifyingPlace,
    FinalsText::ColumnPoints};

void paintHeaders(Canvas& canvas, const ScreenTable& t) {
    const int single = t.headerTop() + t.headerHeight / 2 - 9;
    const int upper = t.headerTop() + 2;
    const int lower = t.headerTop() + t.headerHeight / 2 + 1;
    const FontSpec font = tableHeaderFont();
    for (std::size_t i = 0; i < kScreenColumns.size(); ++i) {
        const ScreenColumn& c = kScreenColumns[i];
        paintTableCell(canvas, t, {c.left, c.width, Align::Centre}, i < 2 ? single : lower,
                       tx(kHeaders[i]), font);
    }
    paintTableCell(canvas, t, {310, 370, Align::Centre}, upper, tx(FinalsText::GroupFinals), font);
    paintTableCell(canvas, t, {680, 160, Align::Centre}, upper, tx(FinalsText::GroupQualifying),
                   font);
}

// Paper: the same columns on the portrait frame.
constexpr int kRankX = 130;
constexpr int kNameX = 175;
constexpr int kNameRule = 165;
constexpr int kFinalsLeft = 470;
constexpr int kPlaceRule = 560;
constexpr int kResultRule = 620;
constexpr int kQualifyingLeft = 860;
constexpr int kPointsRule = 930;
constexpr int kRight = 1000;
constexpr int kGroupTitleTop = 252;
constexpr int kSubHeaderTop = 280;
constexpr int kSubRuleTop = 278;
constexpr int kRuleGap = 5;

void addPrintColumns(PrintDocument& d) {
    const int top = d.layout.table.headerTop;
    d.columns = {{tx(FinalsText::ColumnRank), kRankX, Align::Centre},
                 {tx(FinalsText::ColumnName), kNameX, Align::Left},
                 {{}, (kFinalsLeft + kPlaceRule) / 2, Align::Centre},
                 {{}, (kPlaceRule + kResultRule) / 2, Align::Centre},
                 {{}, kResultRule + kRuleGap, Align::Left},
                 {{}, (kQualifyingLeft + kPointsRule) / 2, Align::Centre},
                 {{}, (kPointsRule + kRight) / 2, Align::Centre}};
    d.rules = {{kNameRule, top},           {kFinalsLeft, top},     {kPlaceRule, kSubRuleTop},
               {kResultRule, kSubRuleTop}, {kQualifyingLeft, top}, {kPointsRule, kSubRuleTop}};
    d.pageTexts = {{{(kFinalsLeft + kQualifyingLeft) / 2, kGroupTitleTop},
                    tx(FinalsText::GroupFinals),
                    Align::Centre},
                   {{(kQualifyingLeft + kRight) / 2, kGroupTitleTop},
                    tx(FinalsText::GroupQualifying),
                    Align::Centre}};
    for (std::size_t i = 2; i < d.columns.size(); ++i) {
        const int x = i == 4 ? (kResultRule + kQualifyingLeft) / 2 : d.columns[i].x;
        d.pageTexts.push_back({{x, kSubHeaderTop}, tx(kHeaders[i]), Align::Centre});
    }
}

// The level, place and result stand under the finals' title, the last two under qualifying's.
// The result ends with the final's time, which a spreadsheet gets in milliseconds too.
void addExportColumns(PrintDocument& d) {
    constexpr std::array<CellKind, kColumns> kKinds = {
        CellKind::Text, CellKind::Text,   CellKind::Text,  CellKind::Number,
        CellKind::Time, CellKind::Number, CellKind::Number};
    for (std::size_t i = 0; i < kColumns; ++i) {
        const char* header = tx(kHeaders[i]);
        if (i < 2)
            d.exportColumns.push_back({header, kKinds[i]});
        else
            d.exportColumns.push_back(
                groupedColumn(tx(i < 5 ? FinalsText::GroupFinals : FinalsText::GroupQualifying),
                              header, kKinds[i]));
    }
}

} // namespace

ScreenTable closureScreenTable() {
    ScreenTable t;
    t.top = 60;
    t.width = 840;
    t.headerHeight = 40;
    return t;
}

void paintClosureReport(Canvas& canvas, const ClosureReport& report, int firstRow,
                        const Rect& client) {
    canvas.fillRect(client, kClassificationBackground);
    const ScreenTable t = closureScreenTable();
    canvas.text(t.left, t.top - 36,
                formatted(FinalsText::ReportRaceTitle, report.track.raceName.c_str(),
                          report.track.circuit.c_str()),
                tableTitleFont(), kBlack, Align::Left, true, kClassificationTitleBand);
    paintTableFrame(canvas, t, kScreenColumns, reportTitle(report));
    paintHeaders(canvas, t);
    const int rows = int(report.rows.size());
    const int first = firstVisibleRow(firstRow, rows);
    for (int r = 0; r < kClassificationVisibleRows && first + r < rows; ++r) {
        const std::array<std::string, kColumns> texts =
            rowTexts(report.rows[std::size_t(first + r)]);
        for (std::size_t c = 0; c < texts.size(); ++c)
            paintTableCell(canvas, t, kScreenColumns[c], tableRowTextTop(t, r), texts[c]);
    }
}

PrintDocument closureReportPrintout(const ClosureReport& report) {
    PrintDocument d;
    d.jobName = tx(Text::PrintJobClosureReport);
    d.firstTitle = formatted(FinalsText::ReportPrintRaceTitle, report.track.raceName.c_str(),
                             report.track.circuit.c_str());
    d.secondTitle = reportTitle(report);
    d.layout.table.headerLeft = d.layout.table.bodyLeft;
    d.fileTitle = tx(PrintFileText::ClosureReport);
    d.category = report.categoryName.view();
    d.numberedRows = false;
    addPrintColumns(d);
    addExportColumns(d);
    for (const ClosureRow& row : report.rows) {
        const std::array<std::string, kColumns> texts = rowTexts(row);
        d.rows.emplace_back(texts.begin(), texts.end());
    }
    return d;
}

} // namespace racedesk
