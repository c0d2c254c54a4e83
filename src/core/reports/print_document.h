#pragma once
#include "core/platform/canvas.h"

#include <functional>
#include <string>
#include <vector>

namespace racedesk {

enum class Orientation { Portrait, Landscape };

// The ruled table of a page, in logical units: a header band above a body of equal rows.
struct TableLayout {
    int headerTop = 250;
    int bodyTop = 306;
    int headerLeft = 140; // the row-number column has no header
    int bodyLeft = 100;
    int right = 1000;
    int headerTextTop = 265;
    int rowHeight = 30;
    int rowTextInset = 4; // from a row's top edge to its texts' top
    int rowNumberRight = 135;
    int rowNumbersRuleX = 140; // the rule after the row numbers starts at the body's top
};

// Where the frame puts its elements, in logical units of a width x height window.
struct PageLayout {
    Orientation orientation = Orientation::Portrait;
    int width = 900;
    int height = 1600;
    Rect outerBorder{15, 15, 1100, 1585};
    Rect innerBorder{20, 20, 1095, 1580};
    Rect logo{25, 25, 225, 75};
    Point firstTitle{350, 70};
    Point secondTitle{350, 110};
    Point raceLine{150, 170};
    Point dateLine{140, 220};
    Point pageNumber{1000, 1550};
    bool numberedPages = true;
    TableLayout table;
};

PageLayout portraitLayout();
// The landscape frame's borders and title block; a document on it rules its own table.
PageLayout landscapeLayout();

// A fixed text of each page beyond the title block and the column headers, in the main font.
struct PageText {
    Point at;
    std::string text;
    Align align = Align::Left;
};

// A column of the table: its header's text, and where its texts go on the header and each row.
struct PrintColumn {
    std::string header;
    int x = 0;
    Align align = Align::Left;
};

// A vertical rule of the table, from 'top' down to the table's bottom edge.
struct ColumnRule {
    int x = 0;
    int top = 0;
};

using PrintRow = std::vector<std::string>; // one text per column, Windows-1252

// What the texts of a column are to a spreadsheet. A time is exported as the program shows it
// and, beside it, in milliseconds, so that a spreadsheet can compute with it.
enum class CellKind { Text, Number, Time };

// A column of the exported table: its header (Windows-1252) and the kind of its texts.
struct ExportColumn {
    std::string header;
    CellKind kind = CellKind::Text;
};

struct PrintDocument;
// The table of page `page` (from 0) drawn by the document itself, lines and rows, for a table
// that is not a list of equal rows; the frame draws everything else.
using TableDrawing = std::function<void(Canvas& canvas, const PrintDocument& document, int page)>;

// Everything a printed list needs; the frame draws it page after page.
struct PrintDocument {
    std::string jobName;
    // What the print dialog names a PDF of the document: "Classement Manche1" and the
    // category it is about, when it is about one.
    std::string fileTitle;
    std::string category;
    PageLayout layout = portraitLayout();
    std::string firstTitle; // "CATEGORIE : ..." with the category's name
    std::string secondTitle;
    std::string raceLine;
    bool dated = true;
    std::string datePrefix; // put before the print date, joined by " - "
    std::vector<PrintColumn> columns;
    std::vector<PageText> pageTexts;
    std::vector<ColumnRule> rules;
    bool numberedRows = true; // the row's number in the document, right-aligned
    std::vector<PrintRow> rows;
    // The table as a spreadsheet gets it: one column per text of a row, after the row's number
    // when the rows are numbered. The printed headers are laid out for paper (grouped, some
    // drawn by the document), so each list names its columns here; none: no export.
    std::vector<ExportColumn> exportColumns;
    int rowsPerPage = 40;
    TableDrawing drawTable; // none: the frame rules the table and draws the rows
};

// Rows are cut into pages of rowsPerPage; a document without rows has no page.
int pageCount(const PrintDocument& document);
int firstRowOfPage(const PrintDocument& document, int page); // pages count from 0
int rowsOnPage(const PrintDocument& document, int page);

} // namespace racedesk
