#pragma once
#include "core/platform/canvas.h"
#include "core/qualifying/heat_composition_rules.h"

namespace racedesk {

// The composition dialog's table, painted in its own area of the dialog: a header row, then
// one row of 22 pixels per place with its heat's label, the move arrows, the name, the
// transponder and the five frequencies; 20 rows show at a time.

inline constexpr int kCompositionTableWidth = 653;
inline constexpr int kCompositionTableHeight = 471;
inline constexpr int kCompositionHeaderHeight = 31;
inline constexpr int kCompositionRowHeight = 22;
inline constexpr const char* kUpArrow = "images/FlecheHaut.bmp";
inline constexpr const char* kDownArrow = "images/FlecheBas.bmp";
inline constexpr Colour kCompositionBackground = rgb(230, 230, 220);
inline constexpr Colour kCompositionHeader = rgb(255, 255, 150); // and the heats' column
inline constexpr Colour kCompositionRow = rgb(255, 255, 200);

FontSpec compositionHeaderFont(); // the header and the heat labels
FontSpec compositionRowFont();

// Paints the table with its top-left corner at `origin`, from the dialog's first row shown.
void paintCompositionTable(Canvas& canvas, const CompositionDialog& d, Point origin);

struct ArrowHit {
    int place = -1; // -1: no arrow there
    bool up = false;
};
// The arrow under the point, as the table painted at `origin` shows it.
ArrowHit arrowAt(const CompositionDialog& d, Point origin, int x, int y);

} // namespace racedesk
