#pragma once
#include "core/platform/canvas.h"
#include "core/timing/board_layout.h"

namespace racedesk {

struct Program;

// The board's own state: the first row shown and the radio conflict banner.
struct BoardState {
    int firstVisibleRow = 0;
    bool conflict = false;
    FixedText<240> conflictText; // who shares which frequency
};

// Paints the whole board, in order: logo, background, title, bands and frame, headings, rows
// with their highlights, finish flags, clock and countdown areas, rest period, run header,
// and the radio conflict banner.
void paintBoard(Canvas& canvas, const BoardLayout& layout, const Program& p);

// A column font scaled to the window: its stored height is in 1/1600 of the width.
FontSpec scaledFont(const FontSpec& font, int windowWidth);

} // namespace racedesk
