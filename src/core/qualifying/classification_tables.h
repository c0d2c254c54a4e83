#pragma once
#include "core/platform/canvas.h"
#include "core/qualifying/classification_storage.h"

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
