#include "results_board.h"

#include "core/timing/run_engine.h"
#include "gui/board_widget.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::GuiProgram;
using test::ResultsBoard;

bool enabled(const GuiProgram& g, int id) {
    return g.window->action(id)->isEnabled();
}

TEST(ResultsMenu, offersNothingUntilARunIsLoaded) {
    GuiProgram g;
    for (int id : {6102, 6103, 6104})
        EXPECT_FALSE(enabled(g, id)) << id;
    EXPECT_FALSE(g.control(6101)->isEnabled());
    EXPECT_TRUE(g.control(6000)->isEnabled()) << "printing an empty board prints nothing";
}

TEST(ResultsMenu, aLoadedRunOffersItsThreeCommands) {
    ResultsBoard b;
    EXPECT_TRUE(b.g.control(6101)->isEnabled());
    for (int id : {6102, 6103, 6104})
        EXPECT_TRUE(enabled(b.g, id)) << id;
    EXPECT_EQ(b.g.window->action(6102)->text(), QString::fromUtf8("Modifier résultats série"));
    EXPECT_EQ(b.g.window->action(6103)->text(), QString::fromUtf8("Résultats détaillés série"));
}

TEST(ResultsMenu, aReadOnlyRunCannotBeModifiedButStillShowsItsDetails) {
    ResultsBoard b;
    b.p.loaded.readOnly = true;
    b.g.window->runChanged();
    EXPECT_FALSE(enabled(b.g, 6102));
    EXPECT_TRUE(enabled(b.g, 6103));
    EXPECT_TRUE(enabled(b.g, 6104));
    b.g.window->action(6102)->trigger();
    EXPECT_FALSE(b.p.loaded.editingResults);
}

TEST(ResultsMenu, duringARunNoneOfThemNorThePrintButtonIsAvailable) {
    GuiProgram g;
    g.loadHeat({"Alice", "Bob"});
    g.program.loaded.sectionTitle = "Cat\xE9gorie1M1S1";
    g.window->runChanged();
    ASSERT_TRUE(enabled(g, 6102));
    QTest::mouseClick(static_cast<QPushButton*>(g.control(2001)), Qt::LeftButton);
    ASSERT_TRUE(g.program.run.countdown);
    for (int id : {6102, 6103, 6104})
        EXPECT_FALSE(enabled(g, id)) << id;
    EXPECT_FALSE(g.control(6000)->isEnabled());
    EXPECT_TRUE(g.control(6101)->isEnabled()) << "the results button stays";
    QTest::mouseClick(static_cast<QPushButton*>(g.control(2002)), Qt::LeftButton);
    for (int id : {6102, 6103, 6104})
        EXPECT_TRUE(enabled(g, id)) << id;
    EXPECT_TRUE(g.control(6000)->isEnabled());
}

} // namespace
} // namespace racedesk
