#include "core/reports/print_frame.h"

#include "core/common/texts.h"

#include <cstddef>
#include <cstdio>

namespace racedesk {
namespace {

constexpr const char* kLogo = "images/logo.bmp";
constexpr int kOutlinePen = 2;

void drawText(Canvas& canvas, Point at, std::string_view text, const FontSpec& font,
              Align align = Align::Left) {
    if (text.empty())
        return;
    canvas.text(at.x, at.y, text, font, kBlack, align, false, kWhite);
}

int tableBottom(const TableLayout& table, int rows) {
    return table.bodyTop + table.rowHeight * rows;
}

void drawBorders(Canvas& canvas, const PageLayout& layout) {
    canvas.frameRect(layout.outerBorder, kBlack, 1, true, kWhite);
    canvas.frameRect(layout.innerBorder, kBlack, 1, true, kWhite);
    canvas.bitmap(layout.logo, kLogo, true);
}

// Grey row rules first, so that the black rules and outlines stay whole where they cross.
void drawTableLines(Canvas& canvas, const PrintDocument& document, int rows) {
    const TableLayout& t = document.layout.table;
    const int bottom = tableBottom(t, rows);
    for (int i = 1; i < rows; ++i) {
        const int y = t.bodyTop + t.rowHeight * i;
        canvas.line({t.bodyLeft, y}, {t.right, y}, kRowRuleGrey, 1, PenStyle::Solid);
    }
    if (document.numberedRows)
        canvas.line({t.rowNumbersRuleX, t.bodyTop}, {t.rowNumbersRuleX, bottom}, kBlack, 1,
                    PenStyle::Solid);
    for (const ColumnRule& rule : document.rules)
        canvas.line({rule.x, rule.top}, {rule.x, bottom}, kBlack, 1, PenStyle::Solid);
    canvas.frameRect({t.headerLeft, t.headerTop, t.right, t.bodyTop}, kBlack, kOutlinePen, false,
                     kWhite);
    canvas.frameRect({t.bodyLeft, t.bodyTop, t.right, bottom}, kBlack, kOutlinePen, false, kWhite);
}

void drawTitleBlock(Canvas& canvas, const PrintDocument& document, int page) {
    const PageLayout& layout = document.layout;
    const FontSpec font = printMainFont();
    drawText(canvas, layout.firstTitle, document.firstTitle, font);
    drawText(canvas, layout.secondTitle, document.secondTitle, font);
    drawText(canvas, layout.raceLine, document.raceLine, font);
    for (const PrintColumn& column : document.columns)
        drawText(canvas, {column.x, layout.table.headerTextTop}, column.header, font, column.align);
    for (const PageText& text : document.pageTexts)
        drawText(canvas, text.at, text.text, font, text.align);
    if (layout.numberedPages) {
        char text[32];
        std::snprintf(text, sizeof text, tx(Text::PrintPageNumber), page + 1, pageCount(document));
        drawText(canvas, layout.pageNumber, text, font);
    }
}

void drawRows(Canvas& canvas, const PrintDocument& document, int page) {
    const TableLayout& t = document.layout.table;
    const FontSpec font = printMainFont();
    const int first = firstRowOfPage(document, page);
    const int rows = rowsOnPage(document, page);
    for (int i = 0; i < rows; ++i) {
        const int y = t.bodyTop + t.rowTextInset + t.rowHeight * i;
        if (document.numberedRows) {
            char number[16];
            std::snprintf(number, sizeof number, "%d", first + i + 1);
            drawText(canvas, {t.rowNumberRight, y}, number, font, Align::Right);
        }
        const PrintRow& row = document.rows[std::size_t(first + i)];
        for (std::size_t c = 0; c < row.size() && c < document.columns.size(); ++c) {
            const PrintColumn& column = document.columns[c];
            drawText(canvas, {column.x, y}, row[c], font, column.align);
        }
    }
}

} // namespace

FontSpec printMainFont() {
    return arialFont(23);
}

FontSpec printSmallFont() {
    return arialFont(17);
}

std::string printDateLine(const PrintDocument& document, const LocalDateTime& printedAt) {
    char date[96];
    std::snprintf(date, sizeof date, tx(Text::PrintDateLine), unsigned(printedAt.day),
                  unsigned(printedAt.month), unsigned(printedAt.year), unsigned(printedAt.hour),
                  unsigned(printedAt.minute));
    if (document.datePrefix.empty())
        return date;
    return document.datePrefix + " - " + date;
}

void drawPage(Canvas& canvas, const PrintDocument& document, int page,
              const LocalDateTime& printedAt) {
    const int rows = rowsOnPage(document, page);
    if (rows == 0)
        return;
    const PageLayout& layout = document.layout;
    canvas.setLogicalWindow(layout.width, layout.height);
    drawBorders(canvas, layout);
    if (document.drawTable) {
        document.drawTable(canvas, document, page);
        drawTitleBlock(canvas, document, page);
    } else {
        drawTableLines(canvas, document, rows);
        drawTitleBlock(canvas, document, page);
        drawRows(canvas, document, page);
    }
    if (document.dated)
        drawText(canvas, layout.dateLine, printDateLine(document, printedAt), printSmallFont());
}

} // namespace racedesk
