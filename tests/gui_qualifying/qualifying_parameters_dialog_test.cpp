#include "gui/qualifying_parameters_dialog.h"

#include "core/race/qualifying_parameters_section.h"
#include "core/race/race_header.h"
#include "core/race/section_file.h"
#include "core/race/working_race_file.h"
#include "gui/gui_program.h"
#include "gui/modal_driver.h"
#include "gui/race_tree_view.h"
#include "support/test_program.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace racedesk {
namespace {

using test::clickButton;
using test::whenDialogWith;

template <typename T> T* control(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

// Types `text` over what the edit holds, key by key, as the director would.
void typeOver(QWidget& dialog, const char* name, const char* text) {
    auto* edit = control<QLineEdit>(dialog, name);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromUtf8(text));
}

QString textOf(QWidget& dialog, const char* name) {
    return control<QLineEdit>(dialog, name)->text();
}

// A race of two categories, the second named "Touring", in the test's working folder.
void writeRace(const std::string& file) {
    ASSERT_TRUE(createWorkingRaceFile(file));
    RaceHeader header = newRaceHeader();
    header.categoryCount = 2;
    header.categories[1].name = "Touring";
    header.categories[1].participants = 8;
    ASSERT_EQ(writeRaceHeader(file, header), WriteStatus::Written);
}

QualifyingParameters storedParameters(const std::string& file, int category) {
    SectionFile f(file);
    QualifyingParameters p;
    EXPECT_TRUE(readQualifyingParameters(f, category, p)) << "the section was written";
    return p;
}

class ParametersDialog : public ::testing::Test {
protected:
    void SetUp() override { writeRace(file()); }
    std::string file() const { return t.program.path(kWorkingRaceFile); }
    std::string bytes() const { return t.folder.read(kWorkingRaceFile); }

    test::TestProgram t;
};

TEST_F(ParametersDialog, opensOnTheStoredLapsRunAndValiderWritesTheChoices) {
    QualifyingParameters stored;
    stored.duration = DurationMode::Laps;
    stored.laps = 12;
    stored.start = StartMode::Staggered;
    stored.endOfLaps = EndOfLaps::AllLaps;
    {
        SectionFile f(file());
        ASSERT_EQ(writeQualifyingParameters(f, 2, stored), WriteStatus::Written);
    }
    whenDialogWith("4404", [](QWidget& d) {
        EXPECT_EQ(textOf(d, "4401"), "Touring");
        EXPECT_TRUE(control<QRadioButton>(d, "4403")->isChecked());
        EXPECT_TRUE(control<QLineEdit>(d, "4405")->isVisible());
        EXPECT_EQ(textOf(d, "4405"), "12");
        EXPECT_FALSE(control<QLineEdit>(d, "4404")->isVisible());
        EXPECT_FALSE(control<QRadioButton>(d, "4416")->isEnabled());
        EXPECT_FALSE(control<QRadioButton>(d, "4417")->isEnabled());
        EXPECT_TRUE(control<QRadioButton>(d, "4418")->isEnabled());
        EXPECT_TRUE(control<QRadioButton>(d, "4418")->isChecked());
        EXPECT_FALSE(control<QRadioButton>(d, "4415")->isEnabled()) << "the timed group is off";

        control<QRadioButton>(d, "4402")->click();
        EXPECT_TRUE(control<QLineEdit>(d, "4404")->isVisible());
        EXPECT_FALSE(control<QLineEdit>(d, "4405")->isVisible());
        EXPECT_FALSE(control<QRadioButton>(d, "4414")->isEnabled()) << "still staggered";
        EXPECT_TRUE(control<QRadioButton>(d, "4415")->isChecked());
        control<QRadioButton>(d, "4411")->click();
        EXPECT_TRUE(control<QRadioButton>(d, "4414")->isEnabled());
        control<QRadioButton>(d, "4414")->click();
        control<QRadioButton>(d, "4410")->click();
        control<QCheckBox>(d, "4408")->click();

        typeOver(d, "4404", "75");
        EXPECT_EQ(textOf(d, "4404"), "60") << "the clamped value is shown at once";
        typeOver(d, "4407", "4000");
        EXPECT_EQ(textOf(d, "4407"), "3600");
        typeOver(d, "4406", "7");
        clickButton(d, "1");
    });
    runQualifyingParametersDialog(t.program, 2, nullptr);
    const QualifyingParameters p = storedParameters(file(), 2);
    EXPECT_EQ(p.ranking, RankingMode::BestLap);
    EXPECT_EQ(p.duration, DurationMode::Time);
    EXPECT_EQ(p.minutes, 60);
    EXPECT_EQ(p.laps, 12);
    EXPECT_EQ(p.countdownSeconds, 3600);
    EXPECT_EQ(p.restMinutes, 7);
    EXPECT_EQ(p.start, StartMode::Signal);
    EXPECT_EQ(p.startingOrder, StartingOrder::Editable);
    EXPECT_EQ(p.endOfTime, EndOfTime::Signal);
    EXPECT_EQ(p.endOfLaps, EndOfLaps::AllLaps);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ParametersDialog, choosingTheStaggeredStartLeavesOnlyAllLapsInTheLapsGroup) {
    whenDialogWith("4404", [](QWidget& d) {
        EXPECT_FALSE(control<QRadioButton>(d, "4416")->isEnabled()) << "a timed run at first";
        control<QRadioButton>(d, "4413")->click();
        control<QRadioButton>(d, "4403")->click();
        EXPECT_FALSE(control<QRadioButton>(d, "4416")->isEnabled());
        EXPECT_FALSE(control<QRadioButton>(d, "4417")->isEnabled());
        EXPECT_TRUE(control<QRadioButton>(d, "4418")->isEnabled());
        EXPECT_TRUE(control<QRadioButton>(d, "4418")->isChecked());
        EXPECT_FALSE(control<QRadioButton>(d, "4417")->isChecked());
        typeOver(d, "4405", "0");
        EXPECT_EQ(textOf(d, "4405"), "0") << "a 0 stays as typed";
        clickButton(d, "1");
    });
    runQualifyingParametersDialog(t.program, 2, nullptr);
    const QualifyingParameters p = storedParameters(file(), 2);
    EXPECT_EQ(p.start, StartMode::Staggered);
    EXPECT_EQ(p.duration, DurationMode::Laps);
    EXPECT_EQ(p.laps, 1);
    EXPECT_EQ(p.endOfTime, EndOfTime::FinishLap);
    EXPECT_EQ(p.endOfLaps, EndOfLaps::AllLaps);
}

TEST_F(ParametersDialog, echapAndClosingWriteNothing) {
    const std::string before = bytes();
    whenDialogWith("4404", [](QWidget& d) {
        typeOver(d, "4404", "30");
        control<QRadioButton>(d, "4410")->click();
        clickButton(d, "2");
    });
    runQualifyingParametersDialog(t.program, 2, nullptr);
    EXPECT_EQ(bytes(), before);

    whenDialogWith("4404", [](QWidget& d) {
        control<QRadioButton>(d, "4403")->click();
        d.close();
    });
    runQualifyingParametersDialog(t.program, 2, nullptr);
    EXPECT_EQ(bytes(), before);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

// The tree's "Paramètres qualifs" opens the dialog on the category of the selected item.
TEST(ParametersDialogWindow, theTreeCommandEditsTheSelectedCategory) {
    test::GuiProgram g;
    const std::string file = g.program.path(kWorkingRaceFile);
    writeRace(file);
    RaceTreeView& tree = *g.window->raceTree();
    tree.show(readRaceTree(g.program));
    QTreeWidgetItem* item = tree.itemOf(23010);
    ASSERT_NE(item, nullptr);
    item->treeWidget()->setCurrentItem(item);
    const std::unique_ptr<QMenu> menu(tree.buildContextMenu());
    ASSERT_NE(menu, nullptr);
    auto* command = menu->findChild<QAction*>("1055");
    ASSERT_NE(command, nullptr);
    ASSERT_TRUE(command->isEnabled());

    bool shown = false;
    whenDialogWith("4404", [&shown](QWidget& d) {
        shown = true;
        EXPECT_EQ(textOf(d, "4401"), "Touring");
        typeOver(d, "4404", "12");
        clickButton(d, "1");
    });
    command->trigger();
    for (int i = 0; i < 100 && !shown; ++i)
        QTest::qWait(10);
    ASSERT_TRUE(shown);
    EXPECT_EQ(storedParameters(file, 2).minutes, 12);
}

} // namespace
} // namespace racedesk
