#include "core/race/heat_section.h"
#include "core/race/participants_section.h"
#include "core/race/race_header.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "gui/gui_program.h"
#include "gui/race_tree_view.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace racedesk {
namespace {

using test::GuiProgram;

// The main window over a working race file that holds a new race.
class RaceTreeWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(createWorkingRaceFile(file()));
        tree = static_cast<QTreeWidget*>(g.control(4000));
    }

    std::string file() const { return g.program.path(kWorkingRaceFile); }
    RaceHeader fileHeader() const {
        RaceHeader h;
        EXPECT_TRUE(readRaceHeader(file(), h));
        return h;
    }
    // The file's header changed as a dialog would, and the tree built again from the file.
    void useHeader(const RaceHeader& h) {
        ASSERT_EQ(writeRaceHeader(file(), h), WriteStatus::Written);
        g.window->raceTree()->show(readRaceTree(g.program));
    }
    QTreeWidgetItem* item(int code) const { return g.window->raceTree()->itemOf(code); }
    QStringList topLevelTexts() const {
        QStringList texts;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            texts << tree->topLevelItem(i)->text(0);
        return texts;
    }
    void click(QTreeWidgetItem* target, Qt::MouseButton button = Qt::LeftButton) {
        tree->scrollToItem(target);
        QTest::mouseClick(tree->viewport(), button, {}, tree->visualItemRect(target).center());
    }
    // Right-clicks the item and hands the menu that opens to `act`, which may trigger one of
    // its entries; the menu is closed after. Gives the entries as "text" or "(text)" when
    // disabled; nothing when no menu opened.
    QStringList rightClick(QTreeWidgetItem* target,
                           const std::function<void(QMenu*)>& act = nullptr) {
        click(target, Qt::RightButton);
        QStringList entries;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr)
                return;
            for (QAction* a : menu->actions())
                entries << (a->isEnabled() ? a->text() : "(" + a->text() + ")");
            if (act)
                act(menu);
            menu->close();
        });
        const QPoint pos = tree->visualItemRect(target).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, tree->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(tree->viewport(), &event);
        QApplication::processEvents();
        return entries;
    }
    static void trigger(QMenu* menu, int command) {
        for (QAction* a : menu->actions()) {
            if (a->objectName() == QString::number(command))
                a->trigger();
        }
    }

    GuiProgram g;
    QTreeWidget* tree = nullptr;
};

TEST_F(RaceTreeWindow, startsWithTheTrackAndTheNewRacesCategoryClosed) {
    EXPECT_EQ(topLevelTexts(), (QStringList{"Piste", "CATEGORIE 1"}));
    QTreeWidgetItem* category = tree->topLevelItem(1);
    EXPECT_TRUE(category->font(0).bold());
    EXPECT_FALSE(tree->topLevelItem(0)->font(0).bold());
    EXPECT_FALSE(category->isExpanded());
    QStringList children;
    for (int i = 0; i < category->childCount(); ++i)
        children << category->child(i)->text(0);
    EXPECT_EQ(children,
              (QStringList{"Pilotes (0)", "Qualifs", "Remontées", "xRapport de cloture"}));
    EXPECT_EQ(tree->iconSize(), QSize(16, 16));
    EXPECT_FALSE(category->icon(0).isNull());
    EXPECT_EQ(RaceTreeView::codeOf(category->child(1)->child(1)), 13020);
}

TEST_F(RaceTreeWindow, aRightClickOnACategoryOffersItsTwoCommands) {
    EXPECT_EQ(rightClick(item(10000)), (QStringList{"Nouvelle catégorie", "Renommer catégorie"}));
    EXPECT_EQ(rightClick(item(1000)), QStringList{"Piste pour la course"});
    EXPECT_TRUE(rightClick(item(13010)).isEmpty()) << "no participant yet";
    EXPECT_EQ(fileHeader().selectedItem, 13010);
}

TEST_F(RaceTreeWindow, newCategoryAddsCategorie2ToTheTreeAndTheHeader) {
    rightClick(item(10000), [](QMenu* menu) { trigger(menu, 1051); });
    QApplication::processEvents();
    EXPECT_EQ(topLevelTexts(), (QStringList{"Piste", "CATEGORIE 1", "CATEGORIE 2"}));
    EXPECT_TRUE(tree->topLevelItem(2)->font(0).bold());
    EXPECT_EQ(tree->topLevelItem(2)->child(0)->text(0), "Pilotes (0)");
    EXPECT_EQ(fileHeader().categoryCount, 2);
    EXPECT_EQ(fileHeader().categories[1].name, "CATEGORIE 2");
}

TEST_F(RaceTreeWindow, renamingACategoryTakes53CharactersIntoTheHeader) {
    rightClick(item(10000), [](QMenu* menu) { trigger(menu, 1052); });
    QApplication::processEvents();
    auto* edit = tree->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr) << "the label is being edited";
    edit->selectAll();
    QTest::keyClicks(edit, QString(60, 'R'));
    EXPECT_EQ(edit->text().size(), 53);
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(fileHeader().categories[0].name.view(), std::string(53, 'R'));
    EXPECT_EQ(item(10000)->text(0), QString(53, 'R'));
}

TEST_F(RaceTreeWindow, anEmptyNameKeepsTheOldOne) {
    rightClick(item(10000), [](QMenu* menu) { trigger(menu, 1052); });
    QApplication::processEvents();
    auto* edit = tree->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    edit->clear();
    QTest::keyClick(edit, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(fileHeader().categories[0].name, "CATEGORIE 1");
    EXPECT_EQ(item(10000)->text(0), "CATEGORIE 1");
}

TEST_F(RaceTreeWindow, selectingAHeatLoadsItOntoTheBoard) {
    RaceHeader h = newRaceHeader();
    h.categoryCount = 2;
    h.categories[1].name = "Touring";
    h.categories[1].rounds = 3;
    h.categories[1].heatsPerRound = 2;
    useHeader(h);
    item(20000)->setExpanded(true);
    item(23000)->setExpanded(true);
    item(23300)->setExpanded(true);
    click(item(23300));
    EXPECT_FALSE(g.program.loaded.loaded()) << "a round item loads nothing";
    click(item(23302));
    EXPECT_EQ(g.program.loaded.sectionTitle.view(), heatTitle(2, 3, 2));
    EXPECT_EQ(fileHeader().selectedItem, 23302);
}

TEST_F(RaceTreeWindow, clickingTheNextHeatStoresTheLastOneFirst) {
    RaceHeader h = newRaceHeader();
    h.categories[0].rounds = 1;
    h.categories[0].heatsPerRound = 2;
    useHeader(h);
    item(10000)->setExpanded(true);
    item(13000)->setExpanded(true);
    item(13100)->setExpanded(true);
    click(item(13101));
    g.program.slots[0].name = "Ann";
    g.program.slots[0].laps = 2;
    click(item(13102));
    EXPECT_EQ(g.program.loaded.sectionTitle.view(), heatTitle(1, 1, 2));
    SectionFile race(file());
    StoredRun stored;
    ASSERT_TRUE(readStoredRun(race, heatTitle(1, 1, 1), stored));
    EXPECT_EQ(stored.cars[0].laps, 2);
}

TEST_F(RaceTreeWindow, openingACategoryClosesTheOthersAndEmptiesTheBoard) {
    RaceHeader h = newRaceHeader();
    h.categoryCount = 2;
    h.categories[1].name = "Touring";
    h.categories[0].rounds = 1;
    h.categories[0].heatsPerRound = 1;
    useHeader(h);
    item(10000)->setExpanded(true);
    item(13000)->setExpanded(true);
    item(13100)->setExpanded(true);
    click(item(13101));
    ASSERT_TRUE(g.program.loaded.loaded());
    item(20000)->setExpanded(true);
    EXPECT_FALSE(item(10000)->isExpanded());
    EXPECT_TRUE(item(20000)->isExpanded());
    EXPECT_FALSE(g.program.loaded.loaded());
}

TEST_F(RaceTreeWindow, aDialogsBranchRebuildShowsWhatItWrote) {
    item(10000)->setExpanded(true);
    item(11000)->setExpanded(true);
    RaceHeader h = newRaceHeader();
    h.categories[0].participants = 2;
    ASSERT_EQ(writeRaceHeader(file(), h), WriteStatus::Written);
    ParticipantTable drivers;
    drivers[0].name = "Ann";
    drivers[1].name = "Bob";
    {
        SectionFile race(file());
        ASSERT_EQ(writeParticipants(race, 1, drivers), WriteStatus::Written);
    }
    g.window->raceTree()->rebuildBranch(11000);
    QTreeWidgetItem* participants = item(11000);
    EXPECT_EQ(participants->text(0), "Pilotes (2)");
    ASSERT_EQ(participants->childCount(), 2);
    EXPECT_EQ(participants->child(1)->text(0), "Bob");
    EXPECT_EQ(RaceTreeView::codeOf(participants->child(1)), 11002);
    EXPECT_TRUE(participants->isExpanded()) << "the branch stays where the director left it";
    EXPECT_EQ(tree->topLevelItem(1)->indexOfChild(participants), 0);
}

TEST_F(RaceTreeWindow, newRaceFromTheMenuOpensItsCategory) {
    useHeader([] {
        RaceHeader h = newRaceHeader();
        h.categoryCount = 3;
        h.categories[1].name = "B";
        h.categories[2].name = "C";
        return h;
    }());
    g.dialogs.answers = {Answer::No};
    ASSERT_TRUE(g.window->action(1001)->isEnabled());
    g.window->action(1001)->trigger();
    EXPECT_EQ(topLevelTexts(), (QStringList{"Piste", "CATEGORIE 1"}));
    EXPECT_TRUE(tree->topLevelItem(1)->isExpanded());
    EXPECT_EQ(g.window->windowTitle(), "Tarvolin");
}

TEST_F(RaceTreeWindow, loadFromTheMenuShowsTheLoadedRace) {
    const std::string other = g.folder.file("other.race");
    ASSERT_TRUE(createWorkingRaceFile(other));
    RaceHeader h = newRaceHeader();
    h.categoryCount = 2;
    h.categories[1].name = "Loaded";
    ASSERT_EQ(writeRaceHeader(other, h), WriteStatus::Written);
    g.dialogs.files = {other};
    g.dialogs.answers = {Answer::No};
    g.window->action(1002)->trigger();
    EXPECT_EQ(topLevelTexts(), (QStringList{"Piste", "CATEGORIE 1", "Loaded"}));
    EXPECT_FALSE(tree->topLevelItem(2)->isExpanded());
    EXPECT_EQ(g.window->windowTitle(), "Tarvolin:   " + QString::fromStdString(other));
    EXPECT_TRUE(g.window->action(1003)->isEnabled());
}

TEST_F(RaceTreeWindow, aLongLabelKeepsTheTreesWidthShowsWholeInItsTooltipAndScrollsSideways) {
    RaceHeader h = fileHeader();
    h.categories[0].name = "Tourisme 1/10 electrique championnat regional";
    useHeader(h);
    QTreeWidgetItem* category = tree->topLevelItem(1);
    category->setExpanded(true);
    QApplication::processEvents();
    EXPECT_EQ(tree->width(), 190);
    EXPECT_EQ(category->toolTip(0), "Tourisme 1/10 electrique championnat regional");
    for (int i = 0; i < category->childCount(); ++i)
        EXPECT_EQ(category->child(i)->toolTip(0), category->child(i)->text(0));
    const int textWidth = tree->fontMetrics().horizontalAdvance(category->text(0));
    EXPECT_GE(tree->columnWidth(0), textWidth) << "the column is not cut to the tree's width";
    EXPECT_GT(tree->horizontalScrollBar()->maximum(), 0) << "the tree scrolls to the rest";
}

} // namespace
} // namespace racedesk
