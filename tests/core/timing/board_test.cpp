#include "core/timing/board_painter.h"

#include "core/timing/run_engine.h"
#include "support/recording_canvas.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::RecordingCanvas;
using test::TestProgram;

struct Board : ::testing::Test {
    TestProgram t;
    Program& p = t.program;
    BoardLayout layout;
    RecordingCanvas canvas;

    void SetUp() override {
        p.display = defaultDisplaySettings();
        t.connectKt1();
        t.loadHeat({"Alice", "Bob", "Carol"});
        layout = layoutBoard(1600, 900, p.display.columnWidths);
    }
    void paint() {
        canvas = RecordingCanvas{};
        paintBoard(canvas, layout, p);
    }
    Point middleOf(int row, int column) const {
        const Rect r = layout.cell(row, column);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    long colourAtCell(int row, int column) const {
        const Point m = middleOf(row, column);
        return canvas.colourAt(m.x, m.y);
    }
};

TEST_F(Board, rowsStandAtTheirTwelfthOffsetAndCarryTheirTexts) {
    paint();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(layout.rowTop(i), layout.rowsArea.top + (2 + i * 24));
    const auto* alice = canvas.find("Alice");
    ASSERT_NE(alice, nullptr);
    EXPECT_EQ(alice->x, layout.columnX[kNameColumn] + 10) << "ten units into the name column";
    EXPECT_GE(alice->y, layout.rowTop(0));
    EXPECT_LT(alice->y, layout.rowTop(1));
    const auto* car = canvas.find(" 2 ");
    ASSERT_NE(car, nullptr);
    EXPECT_EQ(car->align, Align::Centre);
    const auto* position = canvas.find("3");
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(position->colour, kBlack);
    EXPECT_LT(position->x, layout.columnX[kCarColumn] + 1);
}

TEST_F(Board, headingsAreDrawnOnlyWhereTheyFit) {
    paint();
    EXPECT_NE(canvas.find("Nom pilote"), nullptr);
    EXPECT_NE(canvas.find("Meilleur tour"), nullptr);
    p.display.columnWidths[1] = 20;
    layout = layoutBoard(1600, 900, p.display.columnWidths);
    paint();
    EXPECT_EQ(canvas.find("Nom pilote"), nullptr);
    EXPECT_NE(canvas.find("Tours"), nullptr);
}

TEST_F(Board, equalHeaderColoursGiveASolidBandAndALightYellowStrip) {
    p.display.colours[kHeaderTop] = p.display.colours[kHeaderBottom] = rgb(10, 20, 30);
    paint();
    const Point h{(layout.columnX[kNameColumn] + layout.columnX[kLapsColumn]) / 2,
                  layout.headerBand.top + 1};
    EXPECT_EQ(canvas.colourAt(h.x, h.y), long(rgb(10, 20, 30)));
    EXPECT_EQ(canvas.colourAt(h.x, layout.headerBand.bottom - 1), long(rgb(10, 20, 30)));
    EXPECT_EQ(colourAtCell(5, kPosColumn), long(rgb(255, 255, 200)));
}

TEST_F(Board, differentHeaderColoursGiveAGradientStartingAtColourEight) {
    p.display.colours[kHeaderTop] = rgb(200, 0, 0);
    p.display.colours[kHeaderBottom] = rgb(0, 0, 200);
    paint();
    const int x = layout.columnX[kLapsColumn] + 2;
    EXPECT_EQ(canvas.colourAt(x, layout.headerBand.top), long(rgb(200, 0, 0)));
    EXPECT_NE(canvas.colourAt(x, layout.headerBand.bottom - 1), long(rgb(200, 0, 0)));
    EXPECT_EQ(colourAtCell(0, kPosColumn), long(kWhite));
    EXPECT_NE(colourAtCell(layout.rowsVisible - 1, kPosColumn), long(kWhite));
}

TEST_F(Board, reliefStyleBandsEachRowGradientOneBandOverAll) {
    p.display.colours[kRowsTop] = rgb(250, 250, 250);
    p.display.colours[kRowsBottom] = rgb(150, 150, 150);
    p.display.style = 1;
    paint();
    const int x = layout.columnX[kLapsColumn] + 2;
    EXPECT_EQ(canvas.colourAt(x, layout.rowTop(3)), long(rgb(250, 250, 250)));
    p.display.style = 0;
    paint();
    EXPECT_NE(canvas.colourAt(x, layout.rowTop(3)), long(rgb(250, 250, 250)));
    EXPECT_EQ(canvas.colourAt(x, layout.rowsArea.top), long(rgb(250, 250, 250)));
}

TEST_F(Board, justPassedAndBestLapCellsTakeTheirColours) {
    BoardRow& row = p.rows[1];
    row.justPassed = true;
    row.bestLap = "20.000";
    row.newBestLap = true;
    row.runBestHolder = true;
    p.rows[2].bestLap = "21.000";
    p.rows[2].newBestLap = true;
    paint();
    EXPECT_EQ(colourAtCell(1, kCarColumn), long(p.display.colours[kJustPassedBackground]));
    EXPECT_EQ(colourAtCell(1, kBestLapColumn), long(p.display.colours[kRunBestBackground]))
        << "the run's best lap wins over the driver's own";
    EXPECT_EQ(colourAtCell(2, kBestLapColumn), long(p.display.colours[kDriverBestBackground]));
    EXPECT_NE(colourAtCell(0, kCarColumn), long(p.display.colours[kJustPassedBackground]));
}

TEST_F(Board, everyRowShowsItsFlagAfterTheStop) {
    ASSERT_TRUE(t.startAndRun());
    paint();
    EXPECT_TRUE(canvas.bitmaps.size() == 1u) << "only the logo while running";
    stopRun(p);
    paint();
    int flags = 0;
    for (const auto& b : canvas.bitmaps)
        flags += b.file == "images/drapeauArrivee.bmp" ? 1 : 0;
    EXPECT_EQ(flags, 3);
}

TEST_F(Board, clockTextsStandInTheirColoursAndTheConflictBannerShowsOnItsFlag) {
    ASSERT_TRUE(t.startAndRun());
    t.runTicks(2000);
    paint();
    const auto* remaining = canvas.find(p.run.remainingText.c_str());
    ASSERT_NE(remaining, nullptr);
    EXPECT_EQ(remaining->colour, rgb(0, 150, 0));
    EXPECT_EQ(remaining->x, 310 + 200);
    const std::string text = " Conflit radio : 27.145 (Alice, Bob) ";
    EXPECT_EQ(canvas.find(text), nullptr);
    p.board.conflict = true;
    p.board.conflictText = "Conflit radio : 27.145 (Alice, Bob)";
    paint();
    const auto* banner = canvas.find(text);
    ASSERT_NE(banner, nullptr);
    EXPECT_TRUE(banner->opaque);
    EXPECT_EQ(banner->background, p.display.colours[kConflictBackground]);
    // Above the table, whole: no row, gap or heading under it.
    EXPECT_GE(banner->y, layout.title.top);
    EXPECT_LE(banner->y + banner->font.height, layout.runHeader.top);
    EXPECT_GE(banner->x, layout.title.left);
    EXPECT_LE(banner->x + canvas.textWidth(text, banner->font), layout.title.right);
}

TEST_F(Board, aLongConflictBannerShrinksToStayOnTheBoard) {
    p.board.conflict = true;
    std::string names = "Conflit radio : 27.145 (";
    for (int i = 0; i < 20; ++i)
        names += "Pilote au nom long " + std::to_string(i) + ", ";
    p.board.conflictText = names + ")";
    paint();
    const auto* banner = canvas.find(" " + std::string(p.board.conflictText.view()) + " ");
    ASSERT_NE(banner, nullptr);
    EXPECT_GE(banner->x, layout.title.left);
    EXPECT_LT(banner->font.height, scaledFont(p.display.fonts[kConflictFont], 1600).height);
}

TEST_F(Board, scrollingShowsTheRowsFromTheFirstVisible) {
    p.board.firstVisibleRow = 1;
    paint();
    EXPECT_EQ(canvas.find("Alice"), nullptr);
    const auto* bob = canvas.find("Bob");
    ASSERT_NE(bob, nullptr);
    EXPECT_LT(bob->y, layout.rowTop(1));
}

TEST(BoardLayoutTest, columnBordersAreFoundWithinTwoPixelsInsideTheHeaderOnly) {
    const BoardLayout l = layoutBoard(1600, 900, defaultDisplaySettings().columnWidths);
    const int border = l.columnX[kNameColumn + 1];
    const int y = l.headerBand.top + 2;
    EXPECT_EQ(columnBorderAt(l, border + 2, y), 1);
    EXPECT_EQ(columnBorderAt(l, border - 2, y), 1);
    EXPECT_EQ(columnBorderAt(l, border + 3, y), -1);
    EXPECT_EQ(columnBorderAt(l, border, l.rowsArea.top + 5), -1);
    EXPECT_EQ(columnAt(l, border + 1), kLapsColumn);
}

TEST(BoardLayoutTest, draggedWidthFollowsThePointerAndIsClamped) {
    EXPECT_EQ(draggedWidth(100, 500, 600, 800), 300) << "100 pixels of 800 are 200 units";
    EXPECT_EQ(draggedWidth(100, 500, 300, 1600), 5);
    EXPECT_EQ(draggedWidth(900, 100, 600, 1600), 999);
    EXPECT_EQ(draggedWidth(100, 500, 400, 1600), 0);
}

TEST(BoardLayoutTest, rowsEndAboveTheCarButtonsAtCommonSizes) {
    for (const auto& [w, h] : {std::pair{1366, 700}, std::pair{1920, 1000}, std::pair{1280, 960}}) {
        const BoardLayout l = layoutBoard(w, h, defaultDisplaySettings().columnWidths);
        EXPECT_LE(l.rowsArea.bottom, h * 625 / 900) << w << "x" << h;
        EXPECT_GE(l.rowsVisible, 12);
        EXPECT_LE(l.columnX[kFinishColumn + 1], w);
    }
}

} // namespace
} // namespace racedesk
