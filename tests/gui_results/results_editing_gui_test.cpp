#include "results_board.h"

#include "core/timing/board_layout.h"
#include "gui/board_widget.h"
#include "gui/modal_driver.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::ResultsBoard;

QLineEdit* field(const ResultsBoard& b, int id) {
    return b.g.window->board()->findChild<QLineEdit*>(QString::number(id));
}

int openFields(const ResultsBoard& b) {
    int open = 0;
    for (int id = 6201; id <= 6213; ++id)
        open += field(b, id) != nullptr;
    return open;
}

struct BoardEditing : ::testing::Test {
    ResultsBoard b;
    void SetUp() override {
        b.g.window->action(6102)->trigger();
        ASSERT_TRUE(b.p.loaded.editingResults);
    }
};

TEST(BoardFields, withoutTheCommandARowClickOpensNothing) {
    ResultsBoard b;
    b.clickCell(0, kLapsColumn);
    EXPECT_EQ(openFields(b), 0);
    EXPECT_FALSE(b.g.sound.played("sons/beep1.wav"));
}

TEST_F(BoardEditing, aRowClickBeepsAndOpensThirteenFieldsOverItsCells) {
    const int anna = b.rowOf("Anna");
    b.clickCell(anna, kNameColumn);
    EXPECT_TRUE(b.g.sound.played("sons/beep1.wav"));
    ASSERT_EQ(openFields(b), 13);
    const BoardLayout& layout = b.g.window->board()->layout();
    const Rect laps = layout.cell(anna, kLapsColumn);
    EXPECT_EQ(field(b, 6201)->geometry().left(), laps.left);
    EXPECT_EQ(field(b, 6201)->geometry().top(), laps.top);
    EXPECT_EQ(field(b, 6201)->text(), "10");
    EXPECT_EQ(field(b, 6201)->maxLength(), 3);
    EXPECT_EQ(field(b, 6202)->maxLength(), 1);
    EXPECT_EQ(field(b, 6203)->maxLength(), 2);
    EXPECT_EQ(field(b, 6205)->maxLength(), 3);
    EXPECT_EQ(field(b, 6203)->text(), "04") << "10 laps of 27.100: 4:31.000";
    EXPECT_EQ(field(b, 6204)->text(), "31");
    EXPECT_EQ(field(b, 6205)->text(), "000");
    EXPECT_EQ(field(b, 6208)->text(), "27") << "the last lap";
    EXPECT_EQ(field(b, 6209)->text(), "100");
    const Rect best = layout.cell(anna, kBestLapColumn);
    EXPECT_EQ(field(b, 6210)->geometry().left(), best.left);
    EXPECT_GE(field(b, 6213)->geometry().right(), best.right - 1);
}

TEST_F(BoardEditing, typedValuesGoToTheRunAndMinutesAboveFiftyNineShowFiftyNine) {
    const int anna = b.rowOf("Anna");
    b.clickCell(anna, kLapsColumn);
    ASSERT_EQ(openFields(b), 13);
    QLineEdit* minutes = field(b, 6203);
    minutes->selectAll();
    QTest::keyClicks(minutes, "75");
    EXPECT_EQ(minutes->text(), "59");
    EXPECT_EQ(b.p.slots[0].totalTime, 59 * 60'000 + 31'000);
    EXPECT_EQ(b.p.rows[std::size_t(anna)].totalTime.view(), "59:31.000");

    QLineEdit* laps = field(b, 6201);
    laps->selectAll();
    QTest::keyClicks(laps, "12");
    EXPECT_EQ(b.p.slots[0].laps, 12);
    EXPECT_EQ(b.p.rows[std::size_t(anna)].laps.view(), "12");
    EXPECT_FALSE(b.p.run.ready);
    EXPECT_EQ(b.rowOf("Anna"), anna) << "the board is not ranked again while editing";
}

TEST_F(BoardEditing, aPressElsewhereClosesTheFieldsAndAnotherRowOpensItsOwn) {
    b.clickCell(0, kLapsColumn);
    ASSERT_EQ(openFields(b), 13);
    b.clickCell(2, kTotalColumn);
    ASSERT_EQ(openFields(b), 13) << "one set of fields, the new row's";
    EXPECT_EQ(field(b, 6201)->text(), "9") << "Chloe's laps";
    EXPECT_EQ(field(b, 6201)->geometry().top(), b.g.window->board()->layout().rowTop(2));
    b.clickCell(5, kLapsColumn);
    EXPECT_EQ(openFields(b), 0) << "a row without a driver";
    EXPECT_TRUE(b.p.loaded.editingResults) << "still editing";
}

TEST_F(BoardEditing, theRunButtonsAndAnotherTreeSelectionCloseTheFieldsAndEditing) {
    b.clickCell(0, kLapsColumn);
    ASSERT_EQ(openFields(b), 13);
    QTest::mouseClick(static_cast<QPushButton*>(b.g.control(2002)), Qt::LeftButton);
    EXPECT_EQ(openFields(b), 0);
    EXPECT_FALSE(b.p.loaded.editingResults);
    b.clickCell(0, kLapsColumn);
    EXPECT_EQ(openFields(b), 0);

    b.g.window->action(6102)->trigger();
    b.clickCell(1, kLapsColumn);
    ASSERT_EQ(openFields(b), 13);
    auto* tree = static_cast<QTreeWidget*>(b.g.control(4000));
    ASSERT_GT(tree->topLevelItemCount(), 0);
    tree->topLevelItem(0)->setSelected(true);
    QApplication::processEvents();
    EXPECT_EQ(openFields(b), 0);
    EXPECT_FALSE(b.p.loaded.editingResults);
}

TEST_F(BoardEditing, printingClosesTheFieldsAndRanksTheEditedBoardBeforeAskingForAPrinter) {
    const int chloe = b.rowOf("Chloe");
    b.clickCell(chloe, kLapsColumn);
    QLineEdit* laps = field(b, 6201);
    laps->selectAll();
    QTest::keyClicks(laps, "15");
    ASSERT_EQ(b.rowOf("Chloe"), chloe);
    bool asked = false;
    test::whenModal([](QWidget& w) { return qobject_cast<QPrintDialog*>(&w) != nullptr; },
                    [&asked](QWidget& w) {
                        asked = true;
                        static_cast<QPrintDialog&>(w).reject();
                    });
    QTest::mouseClick(static_cast<QPushButton*>(b.g.control(6000)), Qt::LeftButton);
    EXPECT_TRUE(asked);
    EXPECT_EQ(openFields(b), 0);
    EXPECT_FALSE(b.p.loaded.editingResults);
    EXPECT_EQ(b.rowOf("Chloe"), 0) << "15 laps lead";
    EXPECT_EQ(b.p.rows[0].position.view(), "1");
}

} // namespace
} // namespace racedesk
