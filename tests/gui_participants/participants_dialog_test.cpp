#include "core/databases/drivers.h"
#include "core/race/participants_section.h"
#include "core/race/section_file.h"
#include "core/race/tree_codes.h"
#include "core/race/tree_commands.h"
#include "gui/export_button_checks.h"
#include "gui/modal_driver.h"
#include "participants_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidgetItem>

namespace racedesk {
namespace {

using test::clickButton;
using test::control;
using test::whenDialogWith;

QStringList rows(QWidget& d, int id) {
    QStringList texts;
    auto* list = control<QListWidget>(d, id);
    for (int i = 0; list != nullptr && i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void add(QWidget& d, int databaseRow) {
    control<QListWidget>(d, 4204)->setCurrentRow(databaseRow);
    clickButton(d, "4205");
}

// Three drivers in the database; category 1 has one round of one heat.
class ParticipantsDialogWindow : public test::ParticipantsWindow {
protected:
    void SetUp() override {
        ParticipantsWindow::SetUp();
        DriverTable drivers;
        drivers[0].name = "Yves Bon";
        drivers[0].transponder = "001234";
        drivers[1].name = "alain Dur";
        drivers[2].name = "Marie Roy";
        ASSERT_TRUE(writeDrivers(g.program.path(kDriversFile), drivers));
        RaceHeader header = fileHeader();
        header.categories[0].rounds = 1;
        header.categories[0].heatsPerRound = 1;
        useHeader(header);
        item(kCategoryItem)->setExpanded(true);
        select(kParticipantsItem);
    }

    ParticipantTable fileList() {
        SectionFile race(file());
        ParticipantTable list;
        EXPECT_TRUE(readParticipants(race, 1, list));
        return list;
    }
};

TEST_F(ParticipantsDialogWindow, addAndRemoveThroughTheButtonsThenTheBranchIsRebuilt) {
    g.program.loaded.sectionTitle = "Cat\xE9gorie1M1S1";
    whenDialogWith("4203", [](QWidget& d) {
        EXPECT_EQ(rows(d, 4204), (QStringList{"Yves Bon", "alain Dur", "Marie Roy"}));
        EXPECT_EQ(control<QLabel>(d, 4202)->text(), "(0)");
        add(d, 0);
        add(d, 2);
        add(d, 2); // already a participant
        EXPECT_EQ(rows(d, 4203), (QStringList{"Marie Roy", "Yves Bon"}));
        EXPECT_EQ(control<QLabel>(d, 4202)->text(), "(2)");
        control<QListWidget>(d, 4203)->setCurrentRow(1);
        clickButton(d, "4206");
        EXPECT_EQ(rows(d, 4203), (QStringList{"Marie Roy"}));
        EXPECT_EQ(control<QLabel>(d, 4202)->text(), "(1)");
        add(d, 1);
        EXPECT_EQ(rows(d, 4203), (QStringList{"alain Dur", "Marie Roy"}));
        clickButton(d, "1");
    });
    ASSERT_NE(item(roundItem(1)), nullptr); // "Manche1", before
    runCommand(kCmdParticipantsList);

    const ParticipantTable list = fileList();
    EXPECT_EQ(list[0].name, std::string_view("alain Dur"));
    EXPECT_EQ(list[1].name, std::string_view("Marie Roy"));
    EXPECT_TRUE(list[2].isFree());
    EXPECT_EQ(fileHeader().categories[0].rounds, 0);
    ASSERT_NE(item(kParticipantsItem), nullptr);
    EXPECT_EQ(item(kParticipantsItem)->text(0), "Pilotes (2)");
    EXPECT_EQ(childTexts(kParticipantsItem), (QStringList{"alain Dur", "Marie Roy"}));
    EXPECT_TRUE(item(kParticipantsItem)->isExpanded());
    EXPECT_EQ(item(roundItem(1)), nullptr); // the rounds are gone
    EXPECT_NE(item(kHeatCompositionItem), nullptr);
    EXPECT_FALSE(g.program.loaded.loaded());
}

TEST_F(ParticipantsDialogWindow, onceQualifyingStartedTheListIsFrozenAndCancelLeavesTheTree) {
    RaceHeader header = fileHeader();
    header.categories[0].qualifyingStarted = 1;
    header.selectedItem = kParticipantsItem;
    useHeader(header);
    item(kCategoryItem)->setExpanded(true);
    select(kParticipantsItem);
    g.program.loaded.sectionTitle = "Cat\xE9gorie1M1S1";
    whenDialogWith("4203", [](QWidget& d) {
        EXPECT_FALSE(control<QPushButton>(d, 1)->isEnabled());
        EXPECT_FALSE(control<QPushButton>(d, 4205)->isEnabled());
        EXPECT_FALSE(control<QPushButton>(d, 4206)->isEnabled());
        EXPECT_TRUE(control<QPushButton>(d, 4207)->isEnabled());
        test::expectExportButton(d);
        EXPECT_TRUE(control<QPushButton>(d, 2)->isEnabled());
        const auto* why = control<QLabel>(d, 4208);
        EXPECT_TRUE(why->isVisible());
        EXPECT_TRUE(why->text().startsWith("Les qualifications ont commencé"));
        EXPECT_LE(why->geometry().bottom(), d.height()) << "the reason shows whole";
        clickButton(d, "2");
    });
    runCommand(kCmdParticipantsList);
    EXPECT_NE(item(roundItem(1)), nullptr);
    EXPECT_TRUE(g.program.loaded.loaded());
    EXPECT_EQ(fileHeader().categories[0].rounds, 1);
}

} // namespace
} // namespace racedesk
