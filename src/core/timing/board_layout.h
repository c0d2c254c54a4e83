#pragma once
#include "core/platform/canvas.h"
#include "core/settings/display_settings.h"

#include <array>

namespace racedesk {

// The columns of the board from left to right: the position strip, the nine columns of the
// display settings, then the finish flags.
inline constexpr int kBoardColumnsWithEnds = kBoardColumnCount + 2;
enum BoardColumn {
    kPosColumn = 0,
    kCarColumn = 1,
    kNameColumn = 2,
    kLapsColumn = 3,
    kTotalColumn = 4,
    kGapLeaderColumn = 5,
    kGapPreviousColumn = 6,
    kLastLapColumn = 7,
    kBestLapColumn = 8,
    kTransponderColumn = 9,
    kFinishColumn = 10,
};

inline constexpr int kTreeRight = 200;     // the race tree and its margins
inline constexpr int kRowHeightUnits = 24; // in 1/900 of the window height

// Where everything of the board stands for a main window client of W x H pixels.
// Horizontal positions are in 1/1600 of W, vertical ones in 1/900 of H.
struct BoardLayout {
    int width = 0;
    int height = 0;
    Rect board;      // right of the tree, the whole height
    Rect title;      // the faint "Tarvolin Racedesk"
    Rect runHeader;  // the heat title above the table
    Rect headerBand; // the column headings
    Rect rowsArea;
    Rect table;        // headings and rows, with the position strip and the flags
    int rowHeight = 0; // pixels
    int rowsVisible = 0;
    // Left edge of each column, then the right edge of the last one.
    std::array<int, kBoardColumnsWithEnds + 1> columnX{};
    Rect clockArea;
    Rect countdownArea;
    Rect restArea;

    Rect cell(int visibleRow, int column) const;
    // The top of visible row i: rows area top + (row height / 12 + i x row height) x H / 900.
    int rowTop(int visibleRow) const;
    // Pixels of a length given in 1/1600 of the width.
    int x(int units) const { return units * width / 1600; }
    int y(int units) const { return units * height / 900; }
};

BoardLayout layoutBoard(int width, int height, const std::array<int, kBoardColumnCount>& widths);

// The column border (0 to 8, after column k of the nine) within 2 pixels of x, or -1.
int columnBorderAt(const BoardLayout& layout, int x, int y);
// The visible row and column under a point, or -1.
int rowAt(const BoardLayout& layout, int y);
int columnAt(const BoardLayout& layout, int x);

// A dragged border: the column's width changes by the pointer's move in board units, so the
// border follows the pointer at any window size; below 0 it becomes 5, above 999 it is 999.
int draggedWidth(int width, int fromX, int toX, int windowWidth);

} // namespace racedesk
