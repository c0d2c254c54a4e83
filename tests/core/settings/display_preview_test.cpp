#include "core/settings/display_preview.h"

#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace racedesk {
namespace {

using test::RecordingCanvas;

DisplaySettings coloured() {
    DisplaySettings s;
    for (int i = 0; i < kColourCount; ++i)
        s.colours[std::size_t(i)] = rgb(10 * i + 5, 200 - 10 * i, 7 * i);
    for (int i = 0; i < kFontCount; ++i) {
        FontSpec& f = s.fonts[std::size_t(i)];
        f.face = i % 2 ? "Arial" : "Liberation Serif";
        f.height = 30 + i;
        f.weight = 100 * (i % 9 + 1);
        f.italic = i == 7;
        f.underline = i == 2;
        s.fontColours[std::size_t(i)] = rgb(i, 2 * i, 3 * i);
    }
    return s;
}

struct SwatchPlace {
    int colour;
    int x, y, width;
};

// Where the director finds each colour in the dialog.
constexpr SwatchPlace kPlaces[] = {
    {0, 200, 85, 40},   {1, 200, 115, 40}, {2, 200, 145, 40},  {3, 200, 215, 40},
    {4, 200, 245, 40},  {5, 200, 275, 40}, {6, 200, 305, 40},  {7, 200, 335, 40},
    {8, 200, 405, 40},  {9, 250, 405, 40}, {10, 200, 435, 40}, {11, 250, 435, 40},
    {12, 300, 435, 90},
};

TEST(DisplaySwatches, eachColourFillsItsSwatchAtItsPlace) {
    const DisplaySettings s = coloured();
    RecordingCanvas c;
    paintSwatches(c, s);
    for (const SwatchPlace& p : kPlaces) {
        const long want = long(s.colours[std::size_t(p.colour)]);
        EXPECT_EQ(c.colourAt(p.x + 1, p.y + 1), want) << "colour " << p.colour;
        EXPECT_EQ(c.colourAt(p.x + p.width - 1, p.y + 19), want) << "colour " << p.colour;
        EXPECT_NE(c.colourAt(p.x + p.width, p.y + 10), want) << "colour " << p.colour;
        EXPECT_NE(c.colourAt(p.x + 10, p.y + 20), want) << "colour " << p.colour;
    }
}

TEST(DisplaySwatches, aClickCountsOnlyStrictlyInside) {
    for (const SwatchPlace& p : kPlaces) {
        EXPECT_EQ(swatchAt(p.x + 1, p.y + 1), p.colour);
        EXPECT_EQ(swatchAt(p.x + p.width - 1, p.y + 19), p.colour);
        EXPECT_EQ(swatchAt(p.x, p.y + 10), -1);
        EXPECT_EQ(swatchAt(p.x + p.width, p.y + 10), -1);
        EXPECT_EQ(swatchAt(p.x + 10, p.y), -1);
        EXPECT_EQ(swatchAt(p.x + 10, p.y + 20), -1);
    }
    EXPECT_EQ(swatchAt(100, 100), -1);
}

TEST(FontSamples, eachSampleShowsItsFontAtHeight18InItsColour) {
    const DisplaySettings s = coloured();
    const int column = 4;
    RecordingCanvas c;
    paintFontSamples(c, s, column);
    ASSERT_EQ(c.count("AaBbYyZz"), 4);
    struct {
        int font, left, top;
    } const want[] = {{0, 250, 215}, {1, 250, 245}, {2, 300, 405}, {3 + column, 300, 500}};
    for (const auto& w : want) {
        const auto it = std::find_if(c.texts.begin(), c.texts.end(), [&](const auto& t) {
            return t.x >= w.left && t.x < w.left + 90 && t.y >= w.top && t.y + 18 <= w.top + 20;
        });
        ASSERT_NE(it, c.texts.end()) << "font " << w.font;
        const FontSpec& f = s.fonts[std::size_t(w.font)];
        EXPECT_EQ(it->font.face.view(), f.face.view()) << "font " << w.font;
        EXPECT_EQ(it->font.height, 18);
        EXPECT_EQ(it->font.weight, f.weight);
        EXPECT_EQ(it->font.italic, f.italic);
        EXPECT_EQ(it->font.underline, f.underline);
        EXPECT_EQ(it->colour, s.fontColours[std::size_t(w.font)]);
        EXPECT_FALSE(it->opaque);
    }
}

// A canvas whose faces are wide: eight letters at 18 pixels take 144 of the sample's 90.
struct WideCanvas : RecordingCanvas {
    int textWidth(std::string_view text, const FontSpec& font) override {
        return int(text.size()) * font.height;
    }
};

TEST(FontSamples, eachSampleStandsOnItsBoardColourAndShowsWhole) {
    const DisplaySettings s = coloured();
    WideCanvas c;
    paintFontSamples(c, s, 0);
    const int colours[] = {kHeatTitleBackground, kConflictBackground, kHeaderTop, kRowsTop};
    for (int i = 0; i < kFontSampleCount; ++i) {
        const Rect r = fontSampleRect(i);
        EXPECT_EQ(c.colourAt(r.left + 3, r.top), long(s.colours[std::size_t(colours[i])]))
            << "sample " << i << " on the colour its text has on the board";
    }
    ASSERT_EQ(c.count("AaBbYyZz"), 4);
    for (const RecordingCanvas::Text& t : c.texts) {
        const int sample = fontSampleAt(t.x + 1, t.y + 1);
        ASSERT_GE(sample, 0);
        const Rect r = fontSampleRect(sample);
        EXPECT_LE(t.x + c.textWidth(t.text, t.font), r.right) << "\"Zz\" is not cut";
        EXPECT_LE(t.y + t.font.height, r.bottom);
    }
}

TEST(FontSamples, aClickFindsTheSampleAndTheLastOneIsTheSelectedColumn) {
    EXPECT_EQ(fontSampleAt(251, 216), 0);
    EXPECT_EQ(fontSampleAt(339, 264), 1);
    EXPECT_EQ(fontSampleAt(389, 424), 2);
    EXPECT_EQ(fontSampleAt(301, 501), 3);
    EXPECT_EQ(fontSampleAt(300, 510), -1);
    EXPECT_EQ(fontSampleAt(390, 510), -1);
    EXPECT_EQ(fontOfSample(0, 6), kHeatTitleFont);
    EXPECT_EQ(fontOfSample(2, 6), kHeadingsFont);
    EXPECT_EQ(fontOfSample(3, 0), 3);
    EXPECT_EQ(fontOfSample(3, 8), 11);
}

TEST(TablePreview, headerAndRowsAreBandsFromTheirTopToTheirBottomColour) {
    DisplaySettings s = coloured();
    s.colours[kHeaderTop] = rgb(0, 0, 0);
    s.colours[kHeaderBottom] = rgb(200, 100, 20);
    s.colours[kRowsTop] = rgb(250, 250, 250);
    s.colours[kRowsBottom] = rgb(0, 50, 100);
    RecordingCanvas c;
    paintPreview(c, s);

    const Rect header = previewHeaderRect();
    const int x = header.left + 3;
    EXPECT_EQ(c.colourAt(x, header.top), long(rgb(0, 0, 0)));
    // Row y of h: top - (top - bottom) * y / h, rounded: 19 of 20 is 190, 95, 19.
    ASSERT_EQ(header.height(), 20);
    EXPECT_EQ(c.colourAt(x, header.top + 19), long(rgb(190, 95, 19)));
    EXPECT_EQ(c.colourAt(x, header.top + 10), long(rgb(100, 50, 10)));

    for (int row = 0; row < 2; ++row) {
        const Rect r = previewRowRect(row);
        EXPECT_GE(r.top, header.bottom);
        EXPECT_EQ(c.colourAt(x, r.top), long(rgb(250, 250, 250))) << row;
        // 24 of 25 of the way down: 250 - 240, 250 - 192, 250 - 144.
        ASSERT_EQ(r.height(), 25);
        EXPECT_EQ(c.colourAt(x, r.bottom - 1), long(rgb(10, 58, 106))) << row;
    }
    EXPECT_EQ(previewRowRect(1).top, previewRowRect(0).bottom);
}

TEST(TablePreview, equalColoursFillSolidAndTheFrameLineCrossesTheSecondRow) {
    DisplaySettings s = coloured();
    s.colours[kRowsTop] = rgb(9, 9, 9);
    s.colours[kRowsBottom] = rgb(9, 9, 9);
    RecordingCanvas c;
    paintPreview(c, s);
    const Rect first = previewRowRect(0);
    const Rect second = previewRowRect(1);
    int solidRows = 0;
    for (const auto& f : c.fills)
        solidRows += f.rect.top == first.top || f.rect.top == second.top ? 1 : 0;
    EXPECT_EQ(solidRows, 2);
    EXPECT_EQ(c.colourAt(first.left + 1, first.bottom - 1), long(rgb(9, 9, 9)));

    ASSERT_EQ(c.lines.size(), 1u);
    const auto& line = c.lines[0];
    EXPECT_EQ(line.pen, s.colours[kFrameLines]);
    EXPECT_EQ(line.width, 3);
    EXPECT_EQ(line.from.x, second.left + 5);
    EXPECT_EQ(line.to.x, second.right - 5);
    EXPECT_EQ(line.from.y, second.top + 10);
    EXPECT_EQ(line.to.y, second.top + 10);
}

TEST(DisplayOptions, previewStandsBesideTheSwatchesAndSamples) {
    RecordingCanvas c;
    paintDisplayOptions(c, coloured(), 0);
    const Rect header = previewHeaderRect();
    for (int i = 0; i < kColourCount; ++i)
        EXPECT_GE(header.left, swatchRect(i).right) << i;
    for (int i = 0; i < kFontSampleCount; ++i)
        EXPECT_GE(header.left, fontSampleRect(i).right) << i;
    EXPECT_EQ(c.count("AaBbYyZz"), 4);
    EXPECT_EQ(c.lines.size(), 1u);
}

} // namespace
} // namespace racedesk
