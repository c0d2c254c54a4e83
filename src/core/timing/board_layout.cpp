#include "core/timing/board_layout.h"

#include <algorithm>
#include <cstdlib>

namespace racedesk {

BoardLayout layoutBoard(int width, int height, const std::array<int, kBoardColumnCount>& widths) {
    BoardLayout l;
    l.width = width;
    l.height = height;
    const int left = kTreeRight + 10;
    l.board = {left, 0, width, height};
    // At most 64 pixels high: larger glyphs are drawn as outlines, which cost more than the
    // rest of the board together.
    l.title = {left, l.y(104), width, l.y(104) + std::min(l.y(60), 64)};
    l.runHeader = {left, l.y(170), width - l.x(16), l.y(170) + height / 45};
    l.headerBand = {left, l.runHeader.bottom + l.y(4), width - l.x(16), l.y(226)};
    l.rowHeight = std::max(1, l.y(kRowHeightUnits));
    l.rowsArea = {left, l.headerBand.bottom, l.headerBand.right, l.headerBand.bottom};
    // As many rows as end above the car buttons, at most the 20 of a run.
    const int rowsBottom = l.y(612);
    l.rowsVisible = 1;
    while (l.rowsVisible < 20 && l.rowTop(l.rowsVisible + 1) <= rowsBottom)
        ++l.rowsVisible;
    l.rowsArea.bottom = l.rowTop(l.rowsVisible);

    // The position strip is W/40 wide; the border after column k of the nine lies at the sum
    // of the widths of columns 0 to k, in 1/1600 of W.
    const int start = left + width / 40;
    l.columnX[kPosColumn] = left;
    int sum = 0;
    for (int c = 0; c < kBoardColumnCount; ++c) {
        l.columnX[std::size_t(kCarColumn + c)] = start + sum * width / 1600;
        sum += widths[std::size_t(c)];
    }
    l.columnX[kFinishColumn] = start + sum * width / 1600;
    l.columnX[kFinishColumn + 1] = l.columnX[kFinishColumn] + width / 40;
    l.table = {left, l.headerBand.top, l.headerBand.right, l.rowsArea.bottom};

    l.clockArea = {l.x(175) + 200, l.y(690), l.x(560) + 200, l.y(790)};
    l.countdownArea = {l.x(600) + 200, l.y(690), l.x(760) + 200, l.y(790)};
    l.restArea = {l.x(600) + 200, l.y(795), l.x(1000) + 200, l.y(860)};
    return l;
}

int BoardLayout::rowTop(int visibleRow) const {
    return rowsArea.top + (kRowHeightUnits / 12 + visibleRow * kRowHeightUnits) * height / 900;
}

Rect BoardLayout::cell(int visibleRow, int column) const {
    const int top = rowTop(visibleRow);
    return {columnX[std::size_t(column)], top, columnX[std::size_t(column + 1)],
            rowTop(visibleRow + 1)};
}

int columnBorderAt(const BoardLayout& layout, int x, int y) {
    if (y < layout.headerBand.top || y >= layout.headerBand.bottom)
        return -1;
    for (int k = 0; k < kBoardColumnCount; ++k) {
        if (std::abs(x - layout.columnX[std::size_t(k + 2)]) <= 2)
            return k;
    }
    return -1;
}

int rowAt(const BoardLayout& layout, int y) {
    for (int i = 0; i < layout.rowsVisible; ++i) {
        if (y >= layout.rowTop(i) && y < layout.rowTop(i + 1))
            return i;
    }
    return -1;
}

int columnAt(const BoardLayout& layout, int x) {
    for (int c = 0; c < kBoardColumnsWithEnds; ++c) {
        if (x >= layout.columnX[std::size_t(c)] && x < layout.columnX[std::size_t(c + 1)])
            return c;
    }
    return -1;
}

int draggedWidth(int width, int fromX, int toX, int windowWidth) {
    const int result = width + (toX - fromX) * 1600 / std::max(1, windowWidth);
    if (result < 0)
        return 5;
    return std::min(result, kMaxColumnWidth);
}

} // namespace racedesk
