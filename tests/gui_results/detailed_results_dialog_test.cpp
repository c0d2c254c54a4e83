#include "results_board.h"

#include "gui/detailed_results_dialog.h"
#include "gui/modal_driver.h"

#include <QAction>
#include <QImage>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::ResultsBoard;

QImage picture(QWidget& dialog) {
    return dialog.grab().toImage();
}

QScrollBar* bar(QWidget& dialog, const char* id) {
    return dialog.findChild<QScrollBar*>(id);
}

TEST(DetailedResultsDialog, opensOnPassingTimesAndEachViewAndScrollRepaintsIt) {
    ResultsBoard b;
    bool seen = false;
    test::whenDialogWith("6303", [&seen](QWidget& d) {
        seen = true;
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("Résultats détaillés série"));
        auto* passing = d.findChild<QRadioButton*>("6301");
        ASSERT_NE(passing, nullptr);
        EXPECT_TRUE(passing->isChecked());
        EXPECT_EQ(passing->text(), QString::fromUtf8("temps de passage"));
        QScrollBar* vertical = bar(d, "6304");
        QScrollBar* horizontal = bar(d, "6305");
        ASSERT_NE(vertical, nullptr);
        ASSERT_NE(horizontal, nullptr);
        EXPECT_EQ(horizontal->maximum(), 0) << "three cars fit the ten columns";
        EXPECT_EQ(vertical->maximum(), 0) << "eleven laps fit the twenty rows";
        const QImage passingTimes = picture(d);

        d.findChild<QRadioButton*>("6302")->click();
        const QImage lapTimes = picture(d);
        EXPECT_NE(lapTimes, passingTimes);

        d.findChild<QRadioButton*>("6303")->click();
        EXPECT_EQ(horizontal->maximum(), 1) << "the chart scrolls through laps 1 to 11";
        EXPECT_FALSE(vertical->isEnabled());
        const QImage chart = picture(d);
        EXPECT_NE(chart, lapTimes);
        horizontal->setValue(1);
        EXPECT_NE(picture(d), chart);

        d.findChild<QRadioButton*>("6301")->click();
        EXPECT_EQ(horizontal->maximum(), 0);
        EXPECT_EQ(horizontal->value(), 0);
        EXPECT_EQ(picture(d), passingTimes);
        test::clickButton(d, "1");
    });
    b.g.window->action(6103)->trigger();
    EXPECT_TRUE(seen);
    const std::string handed = b.g.folder.read("DetailResultats.res");
    EXPECT_EQ(handed.rfind("CLASSEMENTToursTemps\t\r\nAnna\t10\t27100\t54200\t", 0), 0u) << handed;
    EXPECT_TRUE(b.g.dialogs.messages.empty());
}

TEST(DetailedResultsDialog, aRunOfOneCarShowsNoChart) {
    test::GuiProgram g;
    g.loadHeat({"Solo"});
    CarSlot& solo = g.program.slots[0];
    solo.laps = solo.passings = 3;
    for (int j = 1; j <= 3; ++j)
        solo.cumulativeTimes[std::size_t(j)] = 20'000 * j;
    test::whenDialogWith("6303", [](QWidget& d) {
        auto* painted = d.findChild<QWidget*>("painted");
        ASSERT_NE(painted, nullptr);
        d.findChild<QRadioButton*>("6303")->click();
        const QImage chart = painted->grab().toImage();
        // Nothing but the legend and the empty chart panel: every pixel of the panel is white.
        const QRect panel(260, 60, 680, 530);
        int coloured = 0;
        for (int y = panel.top(); y < panel.bottom(); y += 3)
            for (int x = panel.left(); x < panel.right(); x += 3)
                coloured += chart.pixel(x, y) != qRgb(255, 255, 255);
        EXPECT_EQ(coloured, 0);
        test::clickButton(d, "1");
    });
    runDetailedResultsDialog(g.program, g.window.get());
}

} // namespace
} // namespace racedesk
