#include "core/qualifying/classification_race.h"
#include "core/race/race_tree.h"
#include "core/race/tree_codes.h"
#include "gui/export_button_checks.h"
#include "gui/gui_program.h"
#include "gui/modal_driver.h"
#include "gui/race_tree_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <optional>

namespace racedesk {
namespace {

using test::GuiProgram;
using Names = std::vector<std::string>;

// The main window over a race whose tree shows category 1's classifications.
class ClassificationDialogs : public ::testing::Test {
protected:
    std::string file() const { return g.program.path(kWorkingRaceFile); }

    void showTree() { g.window->raceTree()->show(readRaceTree(g.program)); }

    // Selects the item as the director would; a dialog it opens runs its scripted step.
    void select(int normalisedItem) {
        auto* tree = static_cast<QTreeWidget*>(g.control(4000));
        QTreeWidgetItem* item = g.window->raceTree()->itemOf(itemCode(1, normalisedItem));
        ASSERT_NE(item, nullptr);
        tree->setCurrentItem(item);
        QApplication::processEvents();
    }

    std::optional<std::string> section(const std::string& title) {
        SectionFile f(file());
        const auto body = f.body(title);
        return body ? std::optional<std::string>(std::string(*body)) : std::nullopt;
    }

    void threeDriverRound() {
        test::makeClassificationRace(file(), {"Alice", "Bob", "Chloe"}, 3, 1, 1);
        test::storeHeat(file(), 1, 1,
                        {{"Alice", 12, 300500, 24100},
                         {"Bob", 12, 300500, 24000},
                         {"Chloe", 11, 299000, 23000}},
                        3);
        showTree();
    }

    void twoRoundOverall() {
        test::makeClassificationRace(file(), {"Alice", "Bob", "Chloe"}, 3, 2, 1);
        test::storeRound(file(), 1,
                         {{"Alice", 8, 12, 300000, 25000}, {"Bob", 6, 11, 290000, 24500}}, 3);
        test::storeRound(file(), 2,
                         {{"Bob", 8, 12, 301000, 24000}, {"Alice", 6, 12, 302000, 26000}}, 3);
        showTree();
    }

    // The section's body begins with `expected`: its area goes on with filler.
    void expectSectionStart(const std::string& title, const std::string& expected) {
        const auto body = section(title);
        ASSERT_TRUE(body.has_value()) << "no section " << title;
        EXPECT_EQ(body->substr(0, expected.size()), expected);
    }

    static QLineEdit* edit(QWidget& d, const char* id) { return d.findChild<QLineEdit*>(id); }
    static QRadioButton* radio(QWidget& d, const char* id) {
        return d.findChild<QRadioButton*>(id);
    }

    GuiProgram g;
};

const std::string kRoundTitle = "Cat\xE9gorie1M1Classement";
const std::string kOverallTitle = "Cat\xE9gorie1ClassementFinalQualifs";

TEST_F(ClassificationDialogs, aRoundItemOpensItsRankingAndValiderStoresIt) {
    threeDriverRound();
    bool shown = false;
    test::whenDialogWith("4701", [&](QWidget& d) {
        shown = true;
        EXPECT_EQ(d.windowTitle(), "Classement Manche de qualifs");
        EXPECT_TRUE(radio(d, "4701")->isChecked());
        EXPECT_EQ(edit(d, "4703")->text(), "8") << "the participants + 5";
        EXPECT_EQ(edit(d, "4704")->text(), "2");
        EXPECT_EQ(edit(d, "4708")->text(), "1");
        EXPECT_FALSE(d.findChild<QScrollBar*>("4710")->isVisible());
        test::clickButton(d, "1");
    });
    select(roundClassificationItem(1));
    ASSERT_TRUE(shown);
    expectSectionStart(kRoundTitle, "CLASSEMENTToursTemps\t8\t2\t1\t1\t1\t1\t\r\n"
                                    "Bob\t12\t300500\t24000\t8\t\r\n"
                                    "Alice\t12\t300500\t24100\t8\t\r\n"
                                    "Chloe\t11\t299000\t23000\t5\t\r\n");
}

TEST_F(ClassificationDialogs, theModeAndScaleChosenAreWhatValiderStores) {
    threeDriverRound();
    test::whenDialogWith("4701", [](QWidget& d) {
        radio(d, "4702")->click();
        edit(d, "4703")->setText("20");
        edit(d, "4704")->setText("5");
        test::clickButton(d, "1");
    });
    select(roundClassificationItem(1));
    expectSectionStart(kRoundTitle, "CLASSEMENTMeilleurTour\t20\t5\t1\t1\t1\t1\t\r\n"
                                    "Chloe\t11\t299000\t23000\t20\t\r\n"
                                    "Bob\t12\t300500\t24000\t15\t\r\n"
                                    "Alice\t12\t300500\t24100\t14\t\r\n");
}

TEST_F(ClassificationDialogs, echapStoresNothing) {
    threeDriverRound();
    test::whenDialogWith("4701", [](QWidget& d) {
        edit(d, "4703")->setText("99");
        test::clickButton(d, "2");
    });
    select(roundClassificationItem(1));
    EXPECT_FALSE(section(kRoundTitle).has_value());
}

TEST_F(ClassificationDialogs, onceAFinalHasResultsTheRoundOnlyShowsAndPrints) {
    threeDriverRound();
    test::setCategoryState(file(), 1, 2);
    test::whenDialogWith("4701", [](QWidget& d) {
        for (const char* id : {"1", "4701", "4702", "4703", "4704", "4705", "4706", "4707", "4708"})
            EXPECT_FALSE(d.findChild<QWidget*>(id)->isEnabled()) << id;
        EXPECT_TRUE(d.findChild<QWidget*>("4709")->isEnabled());
        test::expectExportButton(d);
        test::clickButton(d, "2");
    });
    select(roundClassificationItem(1));
}

TEST_F(ClassificationDialogs, moreThanTwentyParticipantsBringTheScrollBar) {
    Names names;
    for (int i = 1; i <= 25; ++i)
        names.push_back("Driver " + std::to_string(i));
    test::makeClassificationRace(file(), names, 20, 1, 1);
    showTree();
    test::whenDialogWith("4701", [](QWidget& d) {
        auto* bar = d.findChild<QScrollBar*>("4710");
        EXPECT_TRUE(bar->isVisible());
        EXPECT_EQ(bar->maximum(), 5);
        test::clickButton(d, "2");
    });
    select(roundClassificationItem(1));
}

TEST_F(ClassificationDialogs, thePrintButtonAsksForAPrinterAndCancellingPrintsNothing) {
    threeDriverRound();
    bool asked = false;
    test::whenDialogWith("4709", [&](QWidget& d) {
        test::whenModal([](QWidget& w) { return qobject_cast<QPrintDialog*>(&w) != nullptr; },
                        [&](QWidget& w) {
                            asked = true;
                            static_cast<QDialog&>(w).reject();
                        });
        test::clickButton(d, "4709");
        test::clickButton(d, "2");
    });
    select(roundClassificationItem(1));
    EXPECT_TRUE(asked);
}

TEST_F(ClassificationDialogs, theOverallItemRanksTheCategoryAndValiderOpensTheFinals) {
    twoRoundOverall();
    test::whenDialogWith("4801", [](QWidget& d) {
        EXPECT_EQ(d.windowTitle(), "Classement Global qualifs");
        EXPECT_EQ(edit(d, "4801")->text(), "1");
        EXPECT_TRUE(radio(d, "4802")->isChecked());
        edit(d, "4801")->setText("2");
        radio(d, "4803")->click();
        test::clickButton(d, "1");
    });
    select(kOverallClassificationItem);
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(file(), header));
    EXPECT_EQ(header.categories[0].finalsState, 1);
    EXPECT_EQ(g.program.header.categories[0].finalsState, 1);
    // Both 14 points over two rounds, 8 then 6: Bob's best lap decides.
    expectSectionStart(kOverallTitle,
                       "CLASSEMENTMeilleurTour\t2\t\r\nBob\t\r\nAlice\t\r\nChloe\t\r\n");
}

TEST_F(ClassificationDialogs, onceAFinalHasResultsTheOverallOnlyShowsAndPrints) {
    twoRoundOverall();
    test::setCategoryState(file(), 1, 2);
    test::whenDialogWith("4801", [](QWidget& d) {
        for (const char* id : {"1", "4801", "4802", "4803"})
            EXPECT_FALSE(d.findChild<QWidget*>(id)->isEnabled()) << id;
        EXPECT_TRUE(d.findChild<QWidget*>("4804")->isEnabled());
        test::expectExportButton(d);
        test::clickButton(d, "2");
    });
    select(kOverallClassificationItem);
    EXPECT_FALSE(section(kOverallTitle).has_value());
}

} // namespace
} // namespace racedesk
