#include "core/reports/print_frame.h"

#include "core/common/cp1252.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace racedesk {
namespace {

using test::RecordingCanvas;

constexpr LocalDateTime kMarch3rd905{2027, 3, 3, 9, 5, 0};

PrintDocument listOf(int rows) {
    PrintDocument d;
    d.jobName = "JOB";
    d.firstTitle = "FIRST";
    d.secondTitle = "SECOND";
    d.raceLine = "RACE";
    d.columns = {{"Name", 150, Align::Left}, {"Laps", 600, Align::Centre}};
    d.rules = {{540, 250}, {660, 250}};
    for (int i = 0; i < rows; ++i)
        d.rows.push_back({"driver " + std::to_string(i + 1), "L" + std::to_string(i + 1)});
    return d;
}

RecordingCanvas drawn(const PrintDocument& d, int page) {
    RecordingCanvas canvas;
    drawPage(canvas, d, page, kMarch3rd905);
    return canvas;
}

bool sameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

const RecordingCanvas::Frame* frameAt(const RecordingCanvas& c, const Rect& r) {
    for (const auto& f : c.frames) {
        if (sameRect(f.rect, r))
            return &f;
    }
    return nullptr;
}

std::vector<RecordingCanvas::Line> linesOf(const RecordingCanvas& c, Colour pen) {
    std::vector<RecordingCanvas::Line> out;
    std::copy_if(c.lines.begin(), c.lines.end(), std::back_inserter(out),
                 [&](const auto& l) { return l.pen == pen; });
    return out;
}

std::string dateLine(const char* prefix, const LocalDateTime& when) {
    PrintDocument d;
    d.datePrefix = utf8ToCp1252(prefix);
    return cp1252ToUtf8(printDateLine(d, when));
}

TEST(PrintPaging, fortyRowsFillOnePageAndTheFortyFirstStartsASecondOfOneRow) {
    EXPECT_EQ(pageCount(listOf(1)), 1);
    EXPECT_EQ(pageCount(listOf(40)), 1);
    EXPECT_EQ(pageCount(listOf(41)), 2);
    EXPECT_EQ(pageCount(listOf(80)), 2);
    EXPECT_EQ(pageCount(listOf(81)), 3);
    EXPECT_EQ(pageCount(listOf(0)), 0);

    const PrintDocument d = listOf(41);
    EXPECT_EQ(rowsOnPage(d, 0), 40);
    EXPECT_EQ(rowsOnPage(d, 1), 1);
    EXPECT_EQ(firstRowOfPage(d, 1), 40);
    EXPECT_EQ(rowsOnPage(d, 2), 0);
}

TEST(PrintPaging, aDocumentMayCutItsOwnPages) {
    PrintDocument d = listOf(25);
    d.rowsPerPage = 12;
    EXPECT_EQ(pageCount(d), 3);
    EXPECT_EQ(rowsOnPage(d, 2), 1);
    const RecordingCanvas last = drawn(d, 2);
    EXPECT_NE(last.find("Page 3 /3"), nullptr);
    EXPECT_NE(last.find("driver 25"), nullptr);
    EXPECT_NE(frameAt(last, {100, 306, 1000, 336}), nullptr);
}

TEST(PrintPaging, aFullPageIsNumberedOneOfOneAndItsTableEndsAt1506) {
    const RecordingCanvas c = drawn(listOf(40), 0);
    const auto* number = c.find("Page 1 /1");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->x, 1000);
    EXPECT_EQ(number->y, 1550);
    EXPECT_EQ(number->align, Align::Left);
    EXPECT_NE(frameAt(c, {100, 306, 1000, 1506}), nullptr);
    EXPECT_NE(c.find("driver 40"), nullptr);
    EXPECT_EQ(c.count("40"), 1);
    EXPECT_EQ(linesOf(c, kRowRuleGrey).size(), 39u);
}

TEST(PrintPaging, theSecondPageOfFortyOneRowsHoldsRow41InATableOneRowHigh) {
    const PrintDocument d = listOf(41);
    const RecordingCanvas first = drawn(d, 0);
    EXPECT_NE(first.find("Page 1 /2"), nullptr);
    EXPECT_EQ(first.find("driver 41"), nullptr);

    const RecordingCanvas second = drawn(d, 1);
    EXPECT_NE(second.find("Page 2 /2"), nullptr);
    EXPECT_EQ(second.find("driver 40"), nullptr);
    const auto* name = second.find("driver 41");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->y, 310);
    const auto* number = second.find("41");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->y, 310);
    EXPECT_EQ(number->x, 135);
    EXPECT_EQ(number->align, Align::Right);

    EXPECT_NE(frameAt(second, {100, 306, 1000, 336}), nullptr);
    EXPECT_TRUE(linesOf(second, kRowRuleGrey).empty());
    for (const auto& rule : linesOf(second, kBlack))
        EXPECT_EQ(rule.to.y, 336);
    // Every page carries the whole frame again.
    EXPECT_NE(second.find("FIRST"), nullptr);
    EXPECT_NE(second.find("Name"), nullptr);
    EXPECT_EQ(second.bitmaps.size(), 1u);
    EXPECT_EQ(second.frames.size(), 4u);
}

TEST(PrintFrame, bordersAndLogoSitInTheTopLeftOfAPortraitPage) {
    const RecordingCanvas c = drawn(listOf(3), 0);
    EXPECT_EQ(c.logicalWidth, 900);
    EXPECT_EQ(c.logicalHeight, 1600);
    for (const Rect& border : {Rect{15, 15, 1100, 1585}, Rect{20, 20, 1095, 1580}}) {
        const auto* f = frameAt(c, border);
        ASSERT_NE(f, nullptr) << border.left;
        EXPECT_EQ(f->pen, kBlack);
        EXPECT_TRUE(f->filled);
        EXPECT_EQ(f->fill, kWhite);
    }
    ASSERT_EQ(c.bitmaps.size(), 1u);
    EXPECT_EQ(c.bitmaps[0].file, "images/logo.bmp");
    EXPECT_TRUE(sameRect(c.bitmaps[0].target, {25, 25, 225, 75}));
    EXPECT_TRUE(c.bitmaps[0].crop);
}

TEST(PrintFrame, titlesRaceLineHeadersAndRowsUseTheMainFontAtTheirPlaces) {
    const RecordingCanvas c = drawn(listOf(3), 0);
    struct Expected {
        const char* text;
        int x, y;
        Align align;
    };
    const Expected expected[] = {
        {"FIRST", 350, 70, Align::Left},       {"SECOND", 350, 110, Align::Left},
        {"RACE", 150, 170, Align::Left},       {"Name", 150, 265, Align::Left},
        {"Laps", 600, 265, Align::Centre},     {"1", 135, 310, Align::Right},
        {"driver 1", 150, 310, Align::Left},   {"L1", 600, 310, Align::Centre},
        {"3", 135, 370, Align::Right},         {"driver 3", 150, 370, Align::Left},
        {"Page 1 /1", 1000, 1550, Align::Left}};
    for (const Expected& e : expected) {
        const auto* t = c.find(e.text);
        ASSERT_NE(t, nullptr) << e.text;
        EXPECT_EQ(t->x, e.x) << e.text;
        EXPECT_EQ(t->y, e.y) << e.text;
        EXPECT_EQ(t->align, e.align) << e.text;
        EXPECT_EQ(t->font.face, "Arial") << e.text;
        EXPECT_EQ(t->font.height, 23) << e.text;
        EXPECT_EQ(t->colour, kBlack) << e.text;
        EXPECT_FALSE(t->opaque) << e.text;
    }
}

TEST(PrintFrame, theDateLineIsInTheSmallFontUnderTheRaceLine) {
    const RecordingCanvas c = drawn(listOf(3), 0);
    const auto* date = c.find(utf8ToCp1252("Edité le 03/03/2027 à 9:05"));
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(date->x, 140);
    EXPECT_EQ(date->y, 220);
    EXPECT_EQ(date->font.face, "Arial");
    EXPECT_EQ(date->font.height, 17);
    EXPECT_EQ(date->font.weight, printMainFont().weight);
    EXPECT_FALSE(date->font.italic);
}

TEST(PrintFrame, tableOutlinesAreTwoUnitsBlackAndRulesOneUnit) {
    const RecordingCanvas c = drawn(listOf(3), 0);
    const auto* band = frameAt(c, {140, 250, 1000, 306});
    ASSERT_NE(band, nullptr);
    const auto* body = frameAt(c, {100, 306, 1000, 396});
    ASSERT_NE(body, nullptr);
    for (const auto* outline : {band, body}) {
        EXPECT_EQ(outline->width, 2);
        EXPECT_EQ(outline->pen, kBlack);
        EXPECT_FALSE(outline->filled);
    }

    const auto rules = linesOf(c, kBlack);
    ASSERT_EQ(rules.size(), 3u);
    for (const auto& rule : rules) {
        EXPECT_EQ(rule.width, 1);
        EXPECT_EQ(rule.style, PenStyle::Solid);
        EXPECT_EQ(rule.from.x, rule.to.x);
        EXPECT_EQ(rule.to.y, 396);
        // The rule after the row numbers starts under the header band, the others above it.
        EXPECT_EQ(rule.from.y, rule.from.x == 140 ? 306 : 250) << rule.from.x;
    }

    const auto grey = linesOf(c, rgb(150, 150, 150));
    ASSERT_EQ(grey.size(), 2u);
    EXPECT_EQ(grey[0].from.y, 336);
    EXPECT_EQ(grey[1].from.y, 366);
    for (const auto& rule : grey) {
        EXPECT_EQ(rule.from.x, 100);
        EXPECT_EQ(rule.to.x, 1000);
        EXPECT_EQ(rule.from.y, rule.to.y);
        EXPECT_EQ(rule.width, 1);
    }
}

TEST(PrintFrame, aDocumentWithoutRowsDrawsNothing) {
    const RecordingCanvas c = drawn(listOf(0), 0);
    EXPECT_TRUE(c.texts.empty());
    EXPECT_TRUE(c.frames.empty());
    EXPECT_TRUE(c.lines.empty());
    EXPECT_TRUE(c.bitmaps.empty());
}

TEST(PrintFrame, theLandscapeFrameTurnsTheWindowAndItsBorders) {
    PrintDocument d = listOf(2);
    d.layout = landscapeLayout();
    const RecordingCanvas c = drawn(d, 0);
    EXPECT_EQ(c.logicalWidth, 1600);
    EXPECT_EQ(c.logicalHeight, 900);
    EXPECT_NE(frameAt(c, {15, 15, 1585, 1100}), nullptr);
    EXPECT_NE(frameAt(c, {20, 20, 1580, 1095}), nullptr);
    EXPECT_EQ(frameAt(c, {15, 15, 1100, 1585}), nullptr);
    ASSERT_NE(c.find("FIRST"), nullptr);
    EXPECT_EQ(c.find("FIRST")->x, 520);
    EXPECT_EQ(c.find("FIRST")->y, 65);
    ASSERT_NE(c.find("SECOND"), nullptr);
    EXPECT_EQ(c.find("SECOND")->y, 117);
    EXPECT_EQ(c.find("Page 1 /1"), nullptr);
    EXPECT_EQ(d.layout.orientation, Orientation::Landscape);
}

TEST(PrintDate, showsDayMonthYearThenTheHourUnpaddedAndTheMinutesOnTwoDigits) {
    EXPECT_EQ(dateLine("", kMarch3rd905), "Edité le 03/03/2027 à 9:05");
    EXPECT_EQ(dateLine("", {2026, 12, 31, 23, 59, 59}), "Edité le 31/12/2026 à 23:59");
    EXPECT_EQ(dateLine("", {2027, 1, 9, 0, 0, 0}), "Edité le 09/01/2027 à 0:00");
}

TEST(PrintDate, aDocumentsOwnTextComesFirst) {
    EXPECT_EQ(dateLine("SOMME POINTS des 2 meilleures Manches", kMarch3rd905),
              "SOMME POINTS des 2 meilleures Manches - Edité le 03/03/2027 à 9:05");
    PrintDocument d = listOf(1);
    d.datePrefix = "Manche 2";
    const RecordingCanvas c = drawn(d, 0);
    EXPECT_NE(c.find(utf8ToCp1252("Manche 2 - Edité le 03/03/2027 à 9:05")), nullptr);
}

TEST(PrintDate, anUndatedDocumentHasNoDateLine) {
    PrintDocument d = listOf(1);
    d.dated = false;
    const RecordingCanvas c = drawn(d, 0);
    for (const auto& t : c.texts)
        EXPECT_NE(t.font.height, 17) << t.text;
}

} // namespace
} // namespace racedesk
