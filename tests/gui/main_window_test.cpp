#include "gui_program.h"

#include "core/common/cp1252.h"
#include "core/timing/run_engine.h"
#include "gui/board_widget.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <filesystem>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::GuiProgram;

TEST(MainWindow, startsWithEveryMenuItemAndControlOnlyBuiltCommandsEnabled) {
    GuiProgram g;
    for (const int id : {1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012,
                         1013, 1014, 1015, 1017})
        ASSERT_NE(g.window->action(id), nullptr) << id;
    EXPECT_EQ(g.window->action(1004)->text(), QString::fromUtf8("Enregistrer sous..."));
    for (const int id :
         {1001, 1002, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014, 1015, 1017})
        EXPECT_TRUE(g.window->action(id)->isEnabled()) << id;
    EXPECT_FALSE(g.window->action(1003)->isEnabled()) << "nothing to save to while untitled";
    for (const int id : {4000, 2001, 2002, 2003, 2004, 2005, 2006, 6101, 6000, 2201,
                         2220, 2221, 2222, 2223, 2101, 2102, 2103, 2104, 2105, 2106})
        EXPECT_NE(g.control(id), nullptr) << id;
    EXPECT_EQ(g.window->windowTitle(), "Tarvolin");
}

TEST(MainWindow, controlsScaleWithTheWindow) {
    GuiProgram g(1400, 900);
    const QWidget* board = g.window->board();
    const int w = board->width();
    const int h = board->height();
    const QRect start = g.control(2001)->geometry();
    EXPECT_EQ(start.x(), (w * 42 - 8400) / 100 + 100);
    EXPECT_EQ(start.y(), h * 40 / 900);
    EXPECT_EQ(start.height(), h / 20);
    EXPECT_EQ(g.control(2003)->geometry().x(), start.x() + 200);
    const QRect car1 = g.control(2201)->geometry();
    const QRect car20 = g.control(2220)->geometry();
    EXPECT_EQ(car1.y(), h * 625 / 900);
    EXPECT_EQ(car1.width(), w / 40);
    EXPECT_EQ(car20.x() - car1.x(), 19 * (w * 50 / 1600));
    const int middle = 200 + (w - 200) / 2;
    EXPECT_NEAR((car1.x() + car20.right()) / 2, middle, 2) << "centred right of the tree";
    EXPECT_EQ(g.control(4000)->geometry(), QRect(10, 54, 190, h - 80));
}

TEST(MainWindow, aRunLocksTheTreeAndMenusButNotStopOrTheInterface) {
    GuiProgram g;
    g.loadHeat({"Alice", "Bob"});
    QTest::mouseClick(static_cast<QPushButton*>(g.control(2001)), Qt::LeftButton);
    EXPECT_TRUE(g.program.run.countdown);
    EXPECT_FALSE(g.control(4000)->isEnabled());
    EXPECT_FALSE(g.control(2001)->isEnabled());
    EXPECT_TRUE(g.control(2002)->isEnabled());
    EXPECT_FALSE(g.window->action(1013)->isEnabled());
    EXPECT_TRUE(g.window->action(1015)->isEnabled());
    g.tickFor(6000);
    EXPECT_TRUE(g.program.run.running);
    QTest::mouseClick(static_cast<QPushButton*>(g.control(2201)), Qt::LeftButton);
    EXPECT_EQ(g.program.slots[0].laps, 1) << "the car buttons count laps";
    QTest::mouseClick(static_cast<QPushButton*>(g.control(2002)), Qt::LeftButton);
    EXPECT_FALSE(g.program.run.running);
    EXPECT_TRUE(g.control(4000)->isEnabled());
    EXPECT_TRUE(g.window->action(1013)->isEnabled());
}

TEST(MainWindow, closingDuringACountdownIsRefusedLikeDuringARun) {
    GuiProgram g;
    g.loadHeat({"Alice"});
    QTest::mouseClick(static_cast<QPushButton*>(g.control(2001)), Qt::LeftButton);
    ASSERT_TRUE(g.program.run.countdown);
    EXPECT_FALSE(g.window->close());
    EXPECT_TRUE(g.window->isVisible());
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_EQ(g.dialogs.messages[0].text,
              "Un run ou un scan est en cours!\r\nVous ne pouvez pas fermer l'application !");
    EXPECT_EQ(g.dialogs.messages[0].caption, "Tarvolin");
    EXPECT_TRUE(g.dialogs.questions.empty());
    g.tickFor(6000);
    ASSERT_TRUE(g.program.run.running);
    EXPECT_FALSE(g.window->close());
    EXPECT_EQ(g.dialogs.messages.size(), 2u);
}

TEST(MainWindow, quitYesOnAnUntitledRaceAsksForANameAndCancelKeepsTheWindow) {
    GuiProgram g;
    g.dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(g.window->close()) << "the save dialog was cancelled: nothing is lost";
    ASSERT_EQ(g.dialogs.questions.size(), 1u);
    EXPECT_EQ(g.dialogs.questions[0].text,
              "Vous voulez quitter!\nSouhaitez-vous sauvegarder la course en cours?");
    EXPECT_EQ(g.dialogs.questions[0].caption, "Attention");
    ASSERT_EQ(g.dialogs.fileFilters.size(), 1u);
    EXPECT_EQ(g.dialogs.fileFilters[0].substr(0, 23), "Fichier course|*.race|/");

    g.folder.write("Private/Course.race", "the race");
    g.dialogs.answers = {Answer::Yes};
    g.dialogs.files = {g.folder.file("meeting")};
    EXPECT_TRUE(g.window->close());
    EXPECT_EQ(g.folder.read("meeting.race"), "the race");
}

TEST(MainWindow, quitNoClosesAndLeavesTwentyEmptyCarsInTheDetailedResults) {
    GuiProgram g;
    g.loadHeat({"Alice"});
    g.dialogs.answers = {Answer::No};
    EXPECT_TRUE(g.window->close());
    g.window.reset();
    const std::string detail = g.folder.read("DetailResultats.res");
    EXPECT_EQ(detail.substr(0, 23), "CLASSEMENTToursTemps\t\r\n");
    std::size_t empty = 0;
    for (std::size_t at = 0; (at = detail.find("(NA)\t0\t\r\n", at)) != std::string::npos; ++at)
        ++empty;
    EXPECT_EQ(empty, 20u);
    EXPECT_TRUE(g.folder.exists("Private/RéglagesAffichage.rgsc"));
}

TEST(MainWindow, draggingAColumnBorderFollowsThePointerAndClamps) {
    GuiProgram g(1200, 800);
    BoardWidget* board = g.window->board();
    const BoardLayout& l = board->layout();
    const int y = (l.headerBand.top + l.headerBand.bottom) / 2;
    const int border = l.columnX[kNameColumn + 1];
    const int before = g.program.display.columnWidths[1];
    QTest::mousePress(board, Qt::LeftButton, {}, QPoint(border, y));
    QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(border + 60, y));
    EXPECT_EQ(g.program.display.columnWidths[1], before + 60 * 1600 / board->width());
    const int moved = board->layout().columnX[kNameColumn + 1];
    EXPECT_NEAR(moved, border + 60, 2) << "the border is where the pointer let go";

    QTest::mousePress(board, Qt::LeftButton, {}, QPoint(moved, y));
    QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(5, y));
    EXPECT_EQ(g.program.display.columnWidths[1], 5);
    const int rowY = l.rowTop(2);
    QTest::mousePress(board, Qt::LeftButton, {},
                      QPoint(board->layout().columnX[kLapsColumn + 1], rowY));
    QTest::mouseRelease(board, Qt::LeftButton, {}, QPoint(900, rowY));
    EXPECT_EQ(g.program.display.columnWidths[2], defaultDisplaySettings().columnWidths[2])
        << "a press outside the heading band drags nothing";
}

TEST(MainWindow, moreDriversThanRowsShowTheScrollBar) {
    GuiProgram g(1366, 700);
    std::vector<std::string> drivers;
    for (int i = 1; i <= 20; ++i)
        drivers.push_back("Driver " + std::to_string(i));
    g.loadHeat(drivers);
    BoardWidget* board = g.window->board();
    ASSERT_LT(board->layout().rowsVisible, 20);
    EXPECT_TRUE(board->scrollBar()->isVisible());
    EXPECT_EQ(board->scrollBar()->maximum(), 20 - board->layout().rowsVisible);
    board->scrollBar()->setValue(3);
    EXPECT_EQ(g.program.board.firstVisibleRow, 3);
    g.loadHeat({"Alice"});
    EXPECT_FALSE(board->scrollBar()->isVisible());
    EXPECT_EQ(g.program.board.firstVisibleRow, 0);
}

TEST(MainWindow, ctrlZDuringARunTakesBackTheLastCarButtonLap) {
    GuiProgram g;
    g.loadHeat({"Alice", "Bob"});
    QAction* undo = g.window->action(1020);
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text(), "Annuler dernier passage manuel");
    EXPECT_EQ(undo->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_FALSE(undo->isEnabled()) << "nothing to take back outside a run";
    QTest::mouseClick(static_cast<QPushButton*>(g.control(2001)), Qt::LeftButton);
    g.tickFor(6000);
    ASSERT_TRUE(g.program.run.running);
    EXPECT_TRUE(undo->isEnabled());
    QTest::mouseClick(static_cast<QPushButton*>(g.control(2202)), Qt::LeftButton);
    QTest::mouseClick(static_cast<QPushButton*>(g.control(2202)), Qt::LeftButton);
    ASSERT_EQ(g.program.slots[1].laps, 2);
    undo->trigger();
    EXPECT_EQ(g.program.slots[1].laps, 1);
    EXPECT_EQ(g.program.rows[0].name.view(), "Bob");
    EXPECT_EQ(g.program.rows[0].laps.view(), "1");
    EXPECT_TRUE(g.dialogs.messages.empty());
    undo->trigger();
    ASSERT_EQ(g.dialogs.messages.size(), 1u) << "says there is nothing more to take back";
    EXPECT_EQ(g.program.slots[1].laps, 1);
    QTest::mouseClick(static_cast<QPushButton*>(g.control(2002)), Qt::LeftButton);
    EXPECT_FALSE(undo->isEnabled());
}

TEST(MainWindow, helpWithoutTheGuideOrAViewerSaysWhereTheGuideIs) {
    GuiProgram g;
    std::filesystem::remove(g.folder.file("Guides/HelpRacedeskFR.pdf"));
    g.window->action(1017)->trigger();
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_NE(g.dialogs.messages[0].text.find(g.folder.file("Guides/HelpRacedeskFR.pdf")),
              std::string::npos)
        << g.dialogs.messages[0].text;
}

TEST(MainWindow, theTransponderModeRadiosShowTheirWholeTexts) {
    for (const auto& [w, h] : {std::pair{1366, 768}, std::pair{1920, 1080}}) {
        GuiProgram g(w, h);
        for (const int id : {2101, 2102, 2103}) {
            const QWidget* radio = g.control(id);
            EXPECT_LE(radio->sizeHint().width(), radio->width()) << id << " at " << w;
            EXPECT_LE(radio->geometry().right(), radio->parentWidget()->width()) << id;
        }
    }
}

} // namespace
} // namespace racedesk
