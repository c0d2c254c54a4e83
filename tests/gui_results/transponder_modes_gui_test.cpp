#include "results_board.h"

#include "core/timing/board_layout.h"
#include "gui/board_widget.h"
#include "gui/race_tree_view.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::ResultsBoard;

QComboBox* dropDown(const ResultsBoard& b) {
    QApplication::processEvents();
    // A list that was closed may wait for its deletion a little longer.
    for (QComboBox* list : b.g.window->board()->findChildren<QComboBox*>("2107")) {
        if (list->isVisible())
            return list;
    }
    return nullptr;
}

TEST(TransponderModes, eachModeShowsItsControlsAndClubModeGivesAPackTransponderFromTheRow) {
    ResultsBoard b;
    const MainControls& c = b.g.window->controls();
    EXPECT_TRUE(c.personal->isChecked());
    EXPECT_FALSE(c.packs->isVisibleTo(b.g.window.get()));
    EXPECT_FALSE(c.scan->isVisibleTo(b.g.window.get()));
    EXPECT_EQ(c.packs->currentIndex(), 0);

    b.p.packs[0].transponders[3] = "1234";
    const int anna = b.rowOf("Anna");
    b.clickCell(anna, kTransponderColumn);
    EXPECT_EQ(dropDown(b), nullptr) << "personal chips: no list";

    c.club->click();
    EXPECT_TRUE(c.packs->isVisibleTo(b.g.window.get()));
    EXPECT_FALSE(c.scan->isVisibleTo(b.g.window.get()));
    EXPECT_TRUE(b.p.rows[std::size_t(anna)].transponder.empty());
    b.clickCell(anna, kTransponderColumn);
    QComboBox* list = dropDown(b);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 20);
    const Rect cell = b.g.window->board()->layout().cell(anna, kTransponderColumn);
    EXPECT_EQ(list->geometry().left(), cell.left);
    EXPECT_EQ(list->geometry().width(), cell.width());
    Q_EMIT list->activated(3);
    EXPECT_EQ(b.p.rows[std::size_t(anna)].transponder.view(), "001234");
    EXPECT_EQ(b.p.slots[0].transponder.view(), "001234");
    EXPECT_EQ(dropDown(b), nullptr);
    b.clickCell(anna, kTransponderColumn);
    ASSERT_NE(dropDown(b), nullptr);
    EXPECT_EQ(dropDown(b)->currentIndex(), 3) << "the row's transponder preselected";

    c.mixed->click();
    EXPECT_EQ(dropDown(b), nullptr);
    EXPECT_FALSE(c.packs->isVisibleTo(b.g.window.get()));
    EXPECT_TRUE(c.scan->isVisibleTo(b.g.window.get()));
    EXPECT_TRUE(c.scanStatus->isVisibleTo(b.g.window.get()));
    EXPECT_TRUE(b.p.slots[0].transponder.empty());
}

TEST(TransponderModes, theScanLocksTheWindowRefusesToCloseAndItsReleaseUnlocksIt) {
    ResultsBoard b;
    const MainControls& c = b.g.window->controls();
    c.mixed->click();
    c.scan->click();
    ASSERT_TRUE(b.p.scan.scanning);
    EXPECT_TRUE(c.scan->isChecked());
    EXPECT_EQ(c.scanStatus->text(), QString::fromUtf8(" Scan en cours"));
    EXPECT_FALSE(c.tree->isEnabled());
    EXPECT_FALSE(c.start->isEnabled());
    EXPECT_FALSE(c.stop->isEnabled());
    EXPECT_FALSE(c.personal->isEnabled());
    EXPECT_FALSE(c.print->isEnabled());
    EXPECT_FALSE(b.g.window->action(1015)->isEnabled());
    EXPECT_FALSE(b.g.window->action(1001)->isEnabled());
    EXPECT_TRUE(b.g.window->action(1017)->isEnabled());

    EXPECT_FALSE(b.g.window->close());
    ASSERT_FALSE(b.g.dialogs.messages.empty());
    EXPECT_EQ(b.g.dialogs.messages.back().text,
              "Un run ou un scan est en cours!\r\nVous ne pouvez pas fermer l'application !");

    c.scan->click();
    EXPECT_FALSE(b.p.scan.on);
    EXPECT_EQ(c.scanStatus->text(), QString(" Off"));
    EXPECT_TRUE(c.tree->isEnabled());
    EXPECT_TRUE(c.start->isEnabled());
    EXPECT_TRUE(b.g.window->action(1001)->isEnabled());
}

TEST(BoardAfterUnload, theEditingFieldsCloseWhenTheRunGoes) {
    ResultsBoard b;
    b.g.window->action(6102)->trigger();
    b.clickCell(b.rowOf("Anna"), kNameColumn);
    ASSERT_NE(b.g.window->board()->findChild<QLineEdit*>("6201"), nullptr);
    b.g.window->raceTree()->runUnloaded();
    QApplication::processEvents();
    EXPECT_EQ(b.g.window->board()->findChild<QLineEdit*>("6201"), nullptr);
}

TEST(BoardAfterResize, theScrollRangeFollowsTheRowsTheBoardCanShowOnceItHasItsSize) {
    test::GuiProgram g(1366, 768);
    g.loadHeat({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    // A board whose run came before its first size: no row fits yet.
    BoardWidget board(g.program, g.folder.path().c_str());
    board.resetScroll();
    ASSERT_EQ(board.scrollBar()->maximum(), 10);
    board.resize(1366, 768);
    board.show();
    QApplication::processEvents();
    ASSERT_GE(board.layout().rowsVisible, 10);
    EXPECT_EQ(board.scrollBar()->maximum(), 0);
    EXPECT_FALSE(board.scrollBar()->isVisible()) << "all ten rows fit: no bar";
    EXPECT_EQ(g.program.board.firstVisibleRow, 0);
}

} // namespace
} // namespace racedesk
