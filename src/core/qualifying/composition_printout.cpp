#include "core/qualifying/composition_printout.h"

#include "core/qualifying/composition_texts.h"
#include "core/reports/page_titles.h"
#include "core/reports/print_file_name.h"
#include "core/reports/print_frame.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace racedesk {
namespace {

constexpr int kHeatX = 110;
constexpr int kLineX = 275; // centred
constexpr int kNameX = 320;
constexpr int kTransponderX = 720;
constexpr int kFrequencyX = 870;
// The rules between the columns.
constexpr int kColumnRules[] = {240, 310, 710, 860};
constexpr int kOutlinePen = 2;
constexpr std::size_t kFrequencyColumn = 4;

std::string numbered(CompositionText format, int number) {
    char text[32];
    std::snprintf(text, sizeof text, tx(format), number);
    return text;
}

std::string shown(const FixedText<40>& name) {
    return name == kFreePlace ? std::string() : std::string(name.view());
}

PrintRow placeRow(const CompositionDialog& d, int place) {
    const int n = d.composition.driversPerHeat;
    const Participant& row = d.rows[std::size_t(place)];
    const bool free = row.name == kFreePlace;
    return {place % n == 0 ? numbered(CompositionText::HeatLabel, place / n + 1) : std::string(),
            std::to_string(place % n + 1), shown(row.name),
            free ? std::string() : std::string(row.transponder.view()),
            free ? std::string() : std::string(row.frequencies[0].view())};
}

void drawHeader(Canvas& canvas, const TableLayout& t) {
    for (int x : kColumnRules)
        canvas.line({x, t.headerTop}, {x, t.bodyTop}, kBlack, 1, PenStyle::Solid);
    canvas.frameRect({t.bodyLeft, t.headerTop, t.right, t.bodyTop}, kBlack, kOutlinePen, false,
                     kWhite);
}

void drawHeatBox(Canvas& canvas, const TableLayout& t, int top, int n) {
    const int bottom = top + printedHeatHeight(n);
    for (int j = 1; j < n; ++j) {
        const int y = top + kCompositionPrintRowHeight * j;
        canvas.line({kColumnRules[0], y}, {t.right, y}, kRowRuleGrey, 1, PenStyle::Solid);
    }
    for (int x : kColumnRules)
        canvas.line({x, top}, {x, bottom}, kBlack, 1, PenStyle::Solid);
    canvas.frameRect({t.bodyLeft, top, t.right, bottom}, kBlack, kOutlinePen, false, kWhite);
}

void drawRowTexts(Canvas& canvas, const PrintDocument& document, const PrintRow& row, int y,
                  bool conflict) {
    const FontSpec font = printMainFont();
    for (std::size_t c = 0; c < row.size() && c < document.columns.size(); ++c) {
        if (row[c].empty())
            continue;
        const PrintColumn& column = document.columns[c];
        const Colour colour = c == kFrequencyColumn && conflict ? kConflictRed : kBlack;
        canvas.text(column.x, y, row[c], font, colour, column.align, false, kWhite);
    }
}

} // namespace

int printedHeatsPerPage(int driversPerHeat) {
    return kCompositionPrintRowsBudget / std::max(driversPerHeat, 1);
}

int printedHeatHeight(int driversPerHeat) {
    return kCompositionPrintRowHeight * driversPerHeat + kCompositionPrintHeatPadding;
}

bool compositionPrintable(const CompositionDialog& d) {
    return d.participants > 0 && d.composition.driversPerHeat >= 1;
}

PrintDocument compositionPrintout(const CompositionDialog& d) {
    PrintDocument document;
    document.jobName = tx(Text::PrintJobQualifyingHeats);
    document.firstTitle = categoryTitle(d.categoryName.view());
    document.fileTitle = tx(PrintFileText::QualifyingHeats);
    document.category = d.categoryName.view();
    document.secondTitle = tx(CompositionText::PrintTitle);
    document.raceLine = raceLine(d.track.raceName.view(), d.track.circuit.view());
    document.columns = {{tx(CompositionText::PrintHeat), kHeatX, Align::Left},
                        {tx(CompositionText::PrintLine), kLineX, Align::Centre},
                        {tx(CompositionText::PrintName), kNameX, Align::Left},
                        {tx(CompositionText::PrintTransponder), kTransponderX, Align::Left},
                        {tx(CompositionText::PrintFrequency), kFrequencyX, Align::Left}};
    // A transponder is a text: its leading zeros are part of it.
    document.exportColumns = {{tx(CompositionText::PrintHeat), CellKind::Text},
                              {tx(CompositionText::PrintLine), CellKind::Number},
                              {tx(CompositionText::PrintName), CellKind::Text},
                              {tx(CompositionText::PrintTransponder), CellKind::Text},
                              {tx(CompositionText::PrintFrequency), CellKind::Text}};
    document.numberedRows = false;
    const int n = d.composition.driversPerHeat;
    document.rowsPerPage = printedHeatsPerPage(n) * n;
    if (!compositionPrintable(d))
        return document;
    std::vector<bool> conflicts;
    for (int place = 0; place < tableRows(d) && place < kCompositionPlaces; ++place) {
        document.rows.push_back(placeRow(d, place));
        conflicts.push_back(firstFrequencyConflicts(d, place));
    }
    document.drawTable = [n, conflicts](Canvas& canvas, const PrintDocument& doc, int page) {
        const TableLayout& t = doc.layout.table;
        drawHeader(canvas, t);
        const int first = firstRowOfPage(doc, page);
        const int rows = rowsOnPage(doc, page);
        for (int r = 0; r < rows; ++r) {
            const int heatTop = t.bodyTop + printedHeatHeight(n) * (r / n);
            if (r % n == 0)
                drawHeatBox(canvas, t, heatTop, n);
            const int y = heatTop + kCompositionPrintRowHeight * (r % n) + t.rowTextInset;
            drawRowTexts(canvas, doc, doc.rows[std::size_t(first + r)], y,
                         conflicts[std::size_t(first + r)]);
        }
    };
    return document;
}

} // namespace racedesk
