#include "analysis_fixtures.h"
#include "core/common/cp1252.h"
#include "core/reports/analysis_views.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace racedesk {
namespace {

using test::AnalysisCanvas;
using test::sameRect;

constexpr Colour kBackground = rgb(240, 240, 220);
constexpr Colour kHeader = rgb(250, 250, 200);
constexpr Colour kBody = rgb(250, 250, 230);
constexpr Colour kRule = rgb(220, 220, 100);

AnalysisCanvas dataView(const DriverResult& run, LapRange range) {
    AnalysisCanvas canvas;
    paintAnalysisView(canvas, AnalysisView::Data, run, range);
    return canvas;
}

// The text drawn with this content (UTF-8), which must be there.
const test::RecordingCanvas::Text& drawn(const AnalysisCanvas& canvas, const std::string& utf8) {
    const auto* text = canvas.find(utf8ToCp1252(utf8));
    if (text == nullptr) {
        ADD_FAILURE() << "not drawn: " << utf8;
        static const test::RecordingCanvas::Text none{};
        return none;
    }
    return *text;
}

void expectAt(const AnalysisCanvas& canvas, const std::string& utf8, int x, int y, Align align,
              int fontHeight) {
    const auto& t = drawn(canvas, utf8);
    EXPECT_EQ(t.x, x) << utf8;
    EXPECT_EQ(t.y, y) << utf8;
    EXPECT_EQ(t.align, align) << utf8;
    EXPECT_EQ(t.font.height, fontHeight) << utf8;
    EXPECT_EQ(t.font.face.view(), "Arial") << utf8;
}

// A label ends at x and starts inside the view's area (its left edge at 30): a long one is
// drawn smaller, never below a readable size.
void expectLabelAt(AnalysisCanvas& canvas, const std::string& utf8, int x, int y) {
    const auto& t = drawn(canvas, utf8);
    EXPECT_EQ(t.x, x) << utf8;
    EXPECT_EQ(t.y, y) << utf8;
    EXPECT_EQ(t.align, Align::Right) << utf8;
    EXPECT_LE(t.font.height, 20) << utf8;
    EXPECT_GE(t.font.height, 14) << utf8;
    EXPECT_GT(t.x - canvas.textWidth(t.text, t.font), 30) << utf8 << " sticks out";
}

TEST(DataView, theFiguresStandWhereTheDialogShowsThem) {
    AnalysisCanvas c = dataView(test::fiveLapRun(), {1, 5});
    // Labels 130 pixels right of the area's left edge (30), values at 220, lap numbers at 225.
    expectLabelAt(c, "Meilleur tour :", 160, 197);
    expectAt(c, "1:01.200", 250, 197, Align::Right, 20);
    expectAt(c, "(T 1)", 255, 197, Align::Left, 14);
    expectLabelAt(c, "Moins bon tour :", 160, 222);
    expectAt(c, "1:07.000", 250, 222, Align::Right, 20);
    expectAt(c, "(T 5)", 255, 222, Align::Left, 14);
    expectLabelAt(c, "Tour moyen :", 160, 257);
    expectAt(c, "1:02.790", 250, 257, Align::Right, 20);
    expectAt(c, "Ecart type :", 160, 287, Align::Right, 16);
    expectAt(c, "+/- 2.165", 170, 287, Align::Left, 16);
    expectAt(c, "(régularité)", 130, 307, Align::Left, 14);
}

TEST(DataView, theClassTableListsBoundariesCountsAndShares) {
    const AnalysisCanvas c = dataView(test::fiveLapRun(), {1, 5});
    expectAt(c, "Temps au tour", 330, 152, Align::Left, 14);
    expectAt(c, "Tours", 530, 152, Align::Right, 14);
    expectAt(c, "% tours", 605, 152, Align::Right, 14);
    // One line every 17 pixels from 25 below the area's top.
    expectAt(c, "1:01.200 < t < 1:01.300", 330, 172, Align::Left, 14);
    expectAt(c, "1:01.700 < t < 1:02.200", 330, 223, Align::Left, 14);
    expectAt(c, "1:02.200 < t < 1:02.700", 330, 240, Align::Left, 14);
    expectAt(c, "1:05.200 < t < 1:06.200", 330, 308, Align::Left, 14);
    expectAt(c, "1:06.200 < t ", 330, 325, Align::Left, 14);
    EXPECT_EQ(drawn(c, "40.0 %").y, 172);
    EXPECT_EQ(drawn(c, "40.0 %").x, 605);
    EXPECT_EQ(drawn(c, "40.0 %").align, Align::Right);
    EXPECT_EQ(c.count("20.0 %"), 3);
    EXPECT_EQ(c.count("0.0 %"), 6);
    EXPECT_EQ(drawn(c, "2").x, 530);
    EXPECT_EQ(drawn(c, "2").y, 172);
    EXPECT_EQ(c.count("1"), 3);
    EXPECT_EQ(c.count("0"), 6);
}

TEST(DataView, theAreaAndTableHaveTheirColours) {
    const AnalysisCanvas c = dataView(test::fiveLapRun(), {1, 5});
    ASSERT_FALSE(c.fills.empty());
    EXPECT_TRUE(sameRect(c.fills.front().rect, {30, 147, 650, 345}));
    EXPECT_EQ(c.fills.front().colour, kBackground);
    EXPECT_EQ(c.colourAt(40, 340), long(kBackground));
    EXPECT_EQ(c.colourAt(300, 150), long(kHeader));
    EXPECT_EQ(c.colourAt(629, 169), long(kHeader));
    EXPECT_EQ(c.colourAt(300, 170), long(kBody));
    EXPECT_EQ(c.colourAt(629, 342), long(kBody));
    EXPECT_EQ(c.colourAt(630, 200), long(kBackground));
    int rules = 0;
    for (const auto& line : c.lines) {
        if (line.pen != kRule)
            continue;
        ++rules;
        EXPECT_EQ((line.from.y - 170) % 17, 0) << "rule at " << line.from.y;
        EXPECT_EQ(line.from.y, line.to.y);
        EXPECT_EQ(line.from.x, 300);
        EXPECT_EQ(line.to.x, 630);
    }
    EXPECT_GE(rules, 9) << "a rule between each two of the ten lines";
}

TEST(DataView, anEmptyRangeDrawsTheLabelsButNoFigure) {
    const AnalysisCanvas c = dataView(test::fiveLapRun(), {4, 2});
    const std::set<std::string> labels = {"Meilleur tour :", "Moins bon tour :", "Tour moyen :",
                                          "Ecart type :",    "(régularité)",     "Temps au tour",
                                          "Tours",           "% tours"};
    std::set<std::string> seen;
    for (const auto& t : c.texts)
        seen.insert(cp1252ToUtf8(t.text));
    EXPECT_EQ(seen, labels);
}

TEST(TitleBand, theDriversNameIsCentredOnItsOwnBackground) {
    AnalysisCanvas c;
    paintTitleBand(c, "Jean Dupont");
    const auto& name = drawn(c, "Jean Dupont");
    EXPECT_EQ(name.x, 340);
    EXPECT_EQ(name.y, 40);
    EXPECT_EQ(name.align, Align::Centre);
    EXPECT_EQ(name.font.height, 35);
    EXPECT_EQ(name.font.weight, 700);
    EXPECT_TRUE(name.opaque);
    EXPECT_EQ(name.background, rgb(250, 250, 200));
}

} // namespace
} // namespace racedesk
