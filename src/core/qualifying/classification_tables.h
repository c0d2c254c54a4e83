#pragma once
#include "core/platform/canvas.h"
#include "core/qualifying/classification_storage.h"

#include <span>
#include <string_view>

namespace racedesk {

// The painted tables of the two classification dialogs, in the dialogs' client pixels.

inline constexpr Colour kClassificationBackground = rgb(230, 230, 220);
inline constexpr Colour kClassificationTitleBand = rgb(250, 250, 200);
inline constexpr Colour kClassificationHeaderBand = rgb(255, 255, 150);
inline constexpr Colour kClassificationRows = rgb(255, 255, 200);
inline constexpr Colour kClassificationWarning = rgb(150, 0, 0);
inline constexpr int kClassificationVisibleRows = 20;

// Where a table stands: its title, its header band, then 20 rows.
struct ScreenTable {
    int left = 10;
    int top = 0; // the title's top
    int width = 0;
    int titleHeight = 30;
    int headerHeight = 24;
    int rowHeight = 20;

    int headerTop() const { return top + titleHeight; }
    int rowsTop() const { return headerTop() + headerHeight; }
    int bottom() const { return rowsTop() + rowHeight * kClassificationVisibleRows; }
    int right() const { return left + width; }
};

// A column of a painted table, from the table's left edge. A sub-column's rule starts under
// the title of its group, halfway down the header band.
struct ScreenColumn {
    int left;
    int width;
    Align align;
    bool subColumn = false;
};

FontSpec tableTitleFont();
FontSpec tableHeaderFont();
FontSpec tableRowFont();
// A cell's text, its top at y; nothing for an empty text.
void paintTableCell(Canvas& canvas, const ScreenTable& t, const ScreenColumn& c, int y,
                    std::string_view text, const FontSpec& font = tableRowFont());
// The title, the header band, the rows' band, the column rules and the outline.
void paintTableFrame(Canvas& canvas, const ScreenTable& t, std::span<const ScreenColumn> columns,
                     std::string_view title);
// The top of the texts of visible row `row`.
int tableRowTextTop(const ScreenTable& t, int row);
// The first row a scroll to `firstRow` shows, within what the rows allow.
int firstVisibleRow(int firstRow, int rows);

ScreenTable roundScreenTable();
ScreenTable overallScreenTable();

// The rows each table lists: the category's P places of the round; the overall's participants.
int roundTableRows(const RoundClassificationState& state);
int overallTableRows(const OverallClassificationState& state);
// The highest first row a scroll can show: 0 when every row fits, so no scroll bar.
int lastFirstRow(int rows);

// The whole client area `client`: the background, the table from row `firstRow` and, under it,
// the warning about drivers missing from the round or without results.
void paintRoundDialog(Canvas& canvas, const RoundClassificationState& state, int firstRow,
                      const Rect& client);
void paintOverallDialog(Canvas& canvas, const OverallClassificationState& state, int firstRow,
                        const Rect& client);

} // namespace racedesk
