#include "core/qualifying/composition_table.h"

#include "core/qualifying/composition_texts.h"

#include <algorithm>
#include <cstdio>

namespace racedesk {
namespace {

// Column edges and text insets, in pixels from the table's left edge.
constexpr int kArrowsLeft = 72; // the heats' column ends here
constexpr int kUpArrowX = 74;
constexpr int kDownArrowX = 93;
constexpr int kArrowSize = 16;
constexpr int kArrowTop = 3;
constexpr int kNameLeft = 112;
constexpr int kTransponderLeft = 322;
constexpr int kFrequenciesLeft = 392;
constexpr int kFrequencyWidth = 52;
constexpr int kTextInset = 4;
constexpr int kHeaderTextTop = 7;
constexpr int kRowTextTop = 3;
constexpr Colour kRowRule = rgb(150, 150, 150);
constexpr int kHeatRuleWidth = 2;

constexpr int kColumnRules[] = {kArrowsLeft,
                                kNameLeft,
                                kTransponderLeft,
                                kFrequenciesLeft,
                                kFrequenciesLeft + kFrequencyWidth,
                                kFrequenciesLeft + 2 * kFrequencyWidth,
                                kFrequenciesLeft + 3 * kFrequencyWidth,
                                kFrequenciesLeft + 4 * kFrequencyWidth};

int frequencyLeft(int index) {
    return kFrequenciesLeft + kFrequencyWidth * index;
}

int visibleRows(const CompositionDialog& d) {
    return std::clamp(tableRows(d) - d.scroll, 0, kVisibleRows);
}

int rowTop(int visibleRow) {
    return kCompositionHeaderHeight + kCompositionRowHeight * visibleRow;
}

Rect arrowRect(Point origin, int x, int top) {
    return {origin.x + x, origin.y + top + kArrowTop, origin.x + x + kArrowSize,
            origin.y + top + kArrowTop + kArrowSize};
}

void put(Canvas& canvas, Point origin, int x, int y, std::string_view text, const FontSpec& font,
         Colour colour = kBlack) {
    if (!text.empty())
        canvas.text(origin.x + x, origin.y + y, text, font, colour, Align::Left, false, kWhite);
}

std::string numbered(CompositionText format, int number) {
    char text[32];
    std::snprintf(text, sizeof text, tx(format), number);
    return text;
}

void paintHeader(Canvas& canvas, Point o) {
    canvas.fillRect({o.x, o.y, o.x + kCompositionTableWidth, o.y + kCompositionHeaderHeight},
                    kCompositionHeader);
    const FontSpec font = compositionHeaderFont();
    put(canvas, o, kTextInset, kHeaderTextTop, tx(CompositionText::TableHeat), font);
    put(canvas, o, kNameLeft + kTextInset, kHeaderTextTop, tx(CompositionText::TableDriver), font);
    put(canvas, o, kTransponderLeft + kTextInset, kHeaderTextTop,
        tx(CompositionText::TableTransponder), font);
    for (int i = 0; i < kFrequenciesPerDriver; ++i)
        put(canvas, o, frequencyLeft(i) + kTextInset, kHeaderTextTop,
            numbered(CompositionText::TableFrequency, i + 1), font);
}

void paintDriver(Canvas& canvas, const CompositionDialog& d, Point o, int place, int top) {
    const Participant& row = d.rows[std::size_t(place)];
    if (row.name == kFreePlace)
        return;
    const FontSpec font = compositionRowFont();
    const int y = top + kRowTextTop;
    put(canvas, o, kNameLeft + kTextInset, y, row.name.view(), font);
    put(canvas, o, kTransponderLeft + kTextInset, y, row.transponder.view(), font);
    for (int i = 0; i < kFrequenciesPerDriver; ++i) {
        const bool red = i == 0 && firstFrequencyConflicts(d, place);
        put(canvas, o, frequencyLeft(i) + kTextInset, y, row.frequencies[std::size_t(i)].view(),
            font, red ? kConflictRed : kBlack);
    }
}

// A heat's first row has its label and a heavier rule above it; within a heat the heats'
// column stays one cell.
void paintRow(Canvas& canvas, const CompositionDialog& d, Point o, int visibleRow) {
    const int place = d.scroll + visibleRow;
    const int n = d.composition.driversPerHeat;
    const int top = rowTop(visibleRow);
    const int bottom = top + kCompositionRowHeight;
    canvas.fillRect({o.x, o.y + top, o.x + kArrowsLeft, o.y + bottom}, kCompositionHeader);
    canvas.fillRect({o.x + kArrowsLeft, o.y + top, o.x + kCompositionTableWidth, o.y + bottom},
                    kCompositionRow);
    const bool heatStart = place % n == 0;
    if (heatStart)
        put(canvas, o, kTextInset, top + kRowTextTop,
            numbered(CompositionText::HeatLabel, place / n + 1), compositionHeaderFont());
    if (place > 0)
        canvas.bitmap(arrowRect(o, kUpArrowX, top), kUpArrow, false);
    if (place + 1 < tableRows(d))
        canvas.bitmap(arrowRect(o, kDownArrowX, top), kDownArrow, false);
    paintDriver(canvas, d, o, place, top);
    if (!heatStart && visibleRow > 0)
        canvas.line({o.x + kArrowsLeft, o.y + top}, {o.x + kCompositionTableWidth, o.y + top},
                    kRowRule, 1, PenStyle::Solid);
}

void paintRules(Canvas& canvas, const CompositionDialog& d, Point o, int rows) {
    const int n = d.composition.driversPerHeat;
    const int bottom = rowTop(rows);
    for (int x : kColumnRules)
        canvas.line({o.x + x, o.y}, {o.x + x, o.y + bottom}, kBlack, 1, PenStyle::Solid);
    for (int r = 0; r < rows; ++r) {
        if ((d.scroll + r) % n == 0 || r == 0)
            canvas.line({o.x, o.y + rowTop(r)}, {o.x + kCompositionTableWidth, o.y + rowTop(r)},
                        kBlack, kHeatRuleWidth, PenStyle::Solid);
    }
    canvas.frameRect({o.x, o.y, o.x + kCompositionTableWidth, o.y + bottom}, kBlack, 1, false,
                     kWhite);
}

} // namespace

FontSpec compositionHeaderFont() {
    return arialFont(16);
}

FontSpec compositionRowFont() {
    return arialFont(15);
}

void paintCompositionTable(Canvas& canvas, const CompositionDialog& d, Point origin) {
    canvas.fillRect(
        {origin.x, origin.y, origin.x + kCompositionTableWidth, origin.y + kCompositionTableHeight},
        kCompositionBackground);
    paintHeader(canvas, origin);
    const int rows = visibleRows(d);
    for (int r = 0; r < rows; ++r)
        paintRow(canvas, d, origin, r);
    paintRules(canvas, d, origin, rows);
}

ArrowHit arrowAt(const CompositionDialog& d, Point origin, int x, int y) {
    const int dy = y - origin.y - kCompositionHeaderHeight;
    if (dy < 0)
        return {};
    const int visibleRow = dy / kCompositionRowHeight;
    if (visibleRow >= visibleRows(d))
        return {};
    const int place = d.scroll + visibleRow;
    const int top = rowTop(visibleRow);
    if (place > 0 && arrowRect(origin, kUpArrowX, top).contains(x, y))
        return {place, true};
    if (place + 1 < tableRows(d) && arrowRect(origin, kDownArrowX, top).contains(x, y))
        return {place, false};
    return {};
}

} // namespace racedesk
