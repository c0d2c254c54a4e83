#include "core/settings/display_settings.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TempFolder;

DisplaySettings sample() {
    DisplaySettings s;
    s.style = 1;
    for (int i = 0; i < kBoardColumnCount; ++i)
        s.columnWidths[std::size_t(i)] = 100 + i * 7;
    for (int i = 0; i < kFontCount; ++i) {
        FontSpec& f = s.fonts[std::size_t(i)];
        f.face = i == 4 ? "Liberation Sans Narrow" : "Arial";
        f.height = 10 + i;
        f.weight = i % 2 ? 700 : 400;
        f.italic = i == 1;
        f.underline = i == 2;
        f.strikeOut = i == 3;
        s.fontColours[std::size_t(i)] = rgb(i, 2 * i, 3 * i);
    }
    for (int i = 0; i < kColourCount; ++i)
        s.colours[std::size_t(i)] = rgb(255 - i, i * 10, 128);
    for (int i = 0; i < kCustomColourCount; ++i)
        s.customColours[std::size_t(i)] = rgb(i, i, 255 - i);
    return s;
}

void expectSame(const DisplaySettings& a, const DisplaySettings& b) {
    EXPECT_EQ(a.style, b.style);
    EXPECT_EQ(a.columnWidths, b.columnWidths);
    EXPECT_EQ(a.fontColours, b.fontColours);
    EXPECT_EQ(a.colours, b.colours);
    EXPECT_EQ(a.customColours, b.customColours);
    for (int i = 0; i < kFontCount; ++i) {
        const FontSpec& x = a.fonts[std::size_t(i)];
        const FontSpec& y = b.fonts[std::size_t(i)];
        EXPECT_EQ(x.face.view(), y.face.view()) << "font " << i;
        EXPECT_EQ(x.height, y.height);
        EXPECT_EQ(x.weight, y.weight);
        EXPECT_EQ(x.italic, y.italic);
        EXPECT_EQ(x.underline, y.underline);
        EXPECT_EQ(x.strikeOut, y.strikeOut);
    }
}

TEST(DisplaySettingsFile, savedAndLoadedAgainRestoresEveryFieldExactly) {
    TempFolder folder;
    const DisplaySettings s = sample();
    ASSERT_TRUE(writeDisplaySettings(folder.file("mine.scrn"), s));
    DisplaySettings back;
    ASSERT_TRUE(readDisplaySettings(folder.file("mine.scrn"), back));
    expectSame(s, back);
}

TEST(DisplaySettingsFile, layoutIsElevenTabbedLines) {
    TempFolder folder;
    ASSERT_TRUE(writeDisplaySettings(folder.file("a.scrn"), sample()));
    const std::string text = folder.read("a.scrn");
    EXPECT_EQ(text.substr(0, 4), "1\t\r\n");
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = text.find("\t\r\n", at)) != std::string::npos; at += 3)
        ++lines;
    EXPECT_EQ(lines, 11u);
    EXPECT_NE(text.find("\r\nArial\tArial\tArial\tArial\tLiberation Sans Narrow\tArial\t"),
              std::string::npos);
}

TEST(DisplaySettingsFile, numbersMaySpanLinesAndFontNamesAreEmptiedFirst) {
    TempFolder folder;
    folder.write("odd.scrn", "0\tignored rest\n"
                             "A\tB\t\t\t\t\t\t\t\t\t\t\t\n"
                             "1 2\n3\t4\t5\t6\t7\t8\t9\t10\t11\t12\n");
    DisplaySettings s = sample();
    ASSERT_TRUE(readDisplaySettings(folder.file("odd.scrn"), s));
    EXPECT_EQ(s.style, 0);
    EXPECT_EQ(s.fonts[0].face.view(), "A");
    EXPECT_EQ(s.fonts[4].face.view(), "");
    EXPECT_EQ(s.fonts[1].height, 2);
    EXPECT_EQ(s.fonts[2].height, 11) << "the headings are 8 points at least, as in the dialog";
    EXPECT_EQ(s.fonts[11].height, 12);
    EXPECT_EQ(s.fonts[0].weight, 400) << "a cut file leaves the rest as it was";
}

TEST(DisplaySettingsFile, everyValueIsReadWithinItsRange) {
    TempFolder folder;
    DisplaySettings s = sample();
    s.colours[kFrameLines] = Colour(0xFF000000u); // what a signed writer makes -16777216 of
    s.fontColours[0] = Colour(0xFFFFFFFFu);
    ASSERT_TRUE(writeDisplaySettings(folder.file("a.scrn"), s));
    DisplaySettings back;
    ASSERT_TRUE(readDisplaySettings(folder.file("a.scrn"), back));
    expectSame(s, back);

    std::string huge = "1\t\r\n";
    huge += std::string(12, '\t') + "\r\n";
    for (int line = 0; line < 5; ++line) {
        for (int i = 0; i < kFontCount; ++i)
            huge += line == 0 ? (i % 2 ? "-2147483647\t" : "4000000\t") : "99999999\t";
        huge += "\r\n";
    }
    for (int i = 0; i < kFontCount; ++i)
        huge += "-16777216\t";
    huge += "\r\n4294967295\t99999999999999999999\tx\t\r\n";
    for (int i = 0; i < kColourCount - 3 + kBoardColumnCount; ++i)
        huge += i % 2 ? "2000000\t" : "-5\t";
    folder.write("huge.scrn", huge);
    ASSERT_TRUE(readDisplaySettings(folder.file("huge.scrn"), back));
    EXPECT_EQ(back.fonts[0].height, 27) << "the heat title at 20 points at most";
    EXPECT_EQ(back.fonts[1].height, 0);
    EXPECT_EQ(back.fonts[2].height, 21);
    EXPECT_EQ(back.fonts[3].height, 0);
    EXPECT_EQ(back.fonts[4].height, 67) << "a column at 50 points at most";
    EXPECT_EQ(back.fonts[0].weight, 1000);
    EXPECT_EQ(back.fontColours[5], Colour(0xFF000000u)) << "-16777216 is black, not white";
    EXPECT_EQ(back.colours[0], Colour(0xFFFFFFFFu));
    EXPECT_EQ(back.colours[1], s.colours[1]) << "a number past 64 bits is no colour";
    EXPECT_EQ(back.colours[2], s.colours[2]);
    for (int i = 0; i < kBoardColumnCount; ++i) {
        EXPECT_GE(back.columnWidths[std::size_t(i)], 0);
        EXPECT_LE(back.columnWidths[std::size_t(i)], kMaxColumnWidth);
    }
}

TEST(DisplaySettingsFile, missingFileIsAFailure) {
    TempFolder folder;
    DisplaySettings s = sample();
    EXPECT_FALSE(readDisplaySettings(folder.file("none.scrn"), s));
    EXPECT_EQ(s.columnWidths, sample().columnWidths);
}

TEST(BandRule, equalColoursAreSolidAndRowsRoundToTheNearest) {
    EXPECT_EQ(bandColour(rgb(10, 20, 30), rgb(10, 20, 30), 5, 10), rgb(10, 20, 30));
    EXPECT_EQ(bandColour(rgb(255, 255, 255), rgb(215, 215, 160), 0, 20), rgb(255, 255, 255));
    // 255 - 40 * 1 / 3 = 241.67 -> 242; 255 - 95 / 3 = 223.33 -> 223
    EXPECT_EQ(bandColour(rgb(255, 255, 255), rgb(215, 215, 160), 1, 3), rgb(242, 242, 223));
    EXPECT_EQ(bandColour(rgb(0, 0, 0), rgb(100, 50, 1), 1, 2), rgb(50, 25, 1));
}

TEST(DefaultDisplaySettings, columnsFitTheBoardOfASmallScreen) {
    const DisplaySettings s = defaultDisplaySettings();
    int total = 0;
    for (const int w : s.columnWidths)
        total += w;
    // Right of the 210-pixel tree, the position strip (W/40) and the flag column: 1366 px.
    EXPECT_LE(total * 1366 / 1600, 1366 - 210 - 1366 / 40 - 40);
    for (const FontSpec& f : s.fonts)
        EXPECT_FALSE(f.face.empty());
}

} // namespace
} // namespace racedesk
