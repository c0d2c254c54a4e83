#include "core/qualifying/composition_table.h"
#include "core/race/heat_composition_section.h"
#include "core/race/participants_section.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/race_header.h"
#include "core/race/starting_grids_section.h"
#include "core/race/working_race_file.h"
#include "gui/export_button_checks.h"
#include "gui/gui_program.h"
#include "gui/modal_driver.h"
#include "gui/race_tree_view.h"
#include "gui/starting_grids_dialog.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPrintDialog>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace racedesk {
namespace {

using test::clickButton;
using test::GuiProgram;
using test::whenDialogWith;
using test::whenModal;

constexpr int kCompositionItem = 13020;
constexpr int kQualifyingBranch = 13000;

// The main window over a race whose category 1 has `drivers` participants, composed in their
// order with `perHeat` drivers a heat and `rounds` rounds; the category table says `rounds`
// rounds of `heats` heats.
class CompositionDialogs : public ::testing::Test {
protected:
    void makeRace(int drivers, int perHeat, int rounds, int heats) {
        ASSERT_TRUE(createWorkingRaceFile(file()));
        RaceHeader header = newRaceHeader();
        header.categories[0].participants = drivers;
        header.categories[0].rounds = rounds;
        header.categories[0].heatsPerRound = heats;
        SectionFile f(file());
        ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
        ParticipantTable table;
        HeatComposition composition;
        composition.driversPerHeat = perHeat;
        composition.rounds = rounds;
        for (int i = 0; i < drivers; ++i) {
            const std::string name = "Driver " + std::to_string(i + 1);
            table[std::size_t(i)].name = name;
            table[std::size_t(i)].transponder = std::to_string(100001 + i);
            composition.places[std::size_t(i)] = name;
        }
        ASSERT_EQ(writeParticipants(f, 1, table), WriteStatus::Written);
        ASSERT_EQ(writeHeatComposition(f, 1, composition), WriteStatus::Written);
        g.window->raceTree()->show(readRaceTree(g.program));
    }

    std::string file() const { return g.program.path(kWorkingRaceFile); }
    RaceHeader fileHeader() const {
        RaceHeader h;
        EXPECT_TRUE(readRaceHeader(file(), h));
        return h;
    }
    QTreeWidgetItem* item(int code) const { return g.window->raceTree()->itemOf(code); }

    // The director selects "Répartition" and chooses the command of its menu.
    void runCompositionCommand() {
        auto* tree = static_cast<QTreeWidget*>(g.control(4000));
        QTreeWidgetItem* composition = item(kCompositionItem);
        ASSERT_NE(composition, nullptr);
        tree->expandAll();
        tree->setCurrentItem(composition);
        QMenu* menu = g.window->raceTree()->buildContextMenu();
        ASSERT_NE(menu, nullptr);
        QAction* command = menu->findChild<QAction*>("1056");
        ASSERT_NE(command, nullptr);
        ASSERT_TRUE(command->isEnabled());
        command->trigger();
        QApplication::processEvents();
        delete menu;
    }

    // The heats under each round of the qualifying branch, as the tree shows them.
    QStringList roundsShown() const {
        QStringList shown;
        QTreeWidgetItem* branch = item(kQualifyingBranch);
        for (int i = 0; branch != nullptr && i < branch->childCount(); ++i) {
            QTreeWidgetItem* child = branch->child(i);
            if (!child->text(0).startsWith("Manche"))
                continue;
            shown << QString("%1:%2").arg(child->text(0)).arg(child->childCount());
        }
        return shown;
    }

    static void type(QWidget& dialog, int id, const QString& text) {
        auto* edit = dialog.findChild<QLineEdit*>(QString::number(id));
        ASSERT_NE(edit, nullptr) << id;
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static QString fieldText(QWidget& dialog, int id) {
        auto* edit = dialog.findChild<QLineEdit*>(QString::number(id));
        return edit == nullptr ? QString("(none)") : edit->text();
    }

    GuiProgram g;
};

TEST_F(CompositionDialogs, generatingWritesTheCompositionAndTheTreeShowsTheNewHeats) {
    makeRace(12, 10, 1, 2);
    ASSERT_EQ(roundsShown(), QStringList{"Manche1:2"});
    bool composed = false;
    bool gridsShown = false;
    whenDialogWith("4502", [&](QWidget& dialog) {
        EXPECT_EQ(fieldText(dialog, 4501), "CATEGORIE 1");
        type(dialog, 4502, "4");
        type(dialog, 4503, "3");
        EXPECT_EQ(fieldText(dialog, 4502), "4");
        // The down arrow of the first row: driver 1 goes second.
        auto* panel = dialog.findChild<QWidget*>("painted");
        ASSERT_NE(panel, nullptr);
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(20 + 93 + 8, 95 + 31 + 3 + 8));
        composed = true;
        clickButton(dialog, "1");
    });
    whenDialogWith("4601", [&](QWidget& dialog) {
        gridsShown = true;
        EXPECT_EQ(fieldText(dialog, 4601), "ABCD");
        EXPECT_TRUE(dialog.findChild<QLineEdit*>("4603")->isVisibleTo(&dialog));
        EXPECT_FALSE(dialog.findChild<QLineEdit*>("4604")->isVisibleTo(&dialog));
        clickButton(dialog, "1");
    });
    runCompositionCommand();
    ASSERT_TRUE(composed);
    EXPECT_TRUE(gridsShown);
    EXPECT_TRUE(g.dialogs.messages.empty());
    EXPECT_EQ(g.sound.count("sons/beep1.wav"), 1);

    const RaceHeader header = fileHeader();
    EXPECT_EQ(header.categories[0].rounds, 3);
    EXPECT_EQ(header.categories[0].heatsPerRound, 3);
    SectionFile f(file());
    HeatComposition written;
    ASSERT_TRUE(readHeatComposition(f, 1, written));
    EXPECT_EQ(written.driversPerHeat, 4);
    EXPECT_EQ(std::string(placeName(written, 0)), "Driver 2");
    EXPECT_EQ(std::string(placeName(written, 1)), "Driver 1");
    StartingGrids grids;
    ASSERT_TRUE(readStartingGrids(f, 1, grids));
    EXPECT_EQ(grids.driversPerHeat, 4);
    EXPECT_EQ(grids.rounds, 3);
    EXPECT_EQ(roundsShown(), (QStringList{"Manche1:3", "Manche2:3", "Manche3:3"}));
}

TEST_F(CompositionDialogs, echapPutsTheNumbersBackAndTheGridsAndTreeFollowThem) {
    makeRace(12, 6, 2, 2);
    const RaceHeader before = fileHeader();
    whenDialogWith("4502", [&](QWidget& dialog) {
        type(dialog, 4502, "3");
        type(dialog, 4503, "5");
        EXPECT_EQ(g.program.header.categories[0].heatsPerRound, 4);
        EXPECT_EQ(g.program.header.categories[0].rounds, 5);
        clickButton(dialog, "2");
    });
    bool gridsShown = false;
    whenDialogWith("4601", [&](QWidget& dialog) {
        gridsShown = true;
        EXPECT_EQ(fieldText(dialog, 4601), "ABCDEF") << "the composition as it was";
        EXPECT_TRUE(dialog.findChild<QLineEdit*>("4602")->isVisibleTo(&dialog));
        EXPECT_FALSE(dialog.findChild<QLineEdit*>("4603")->isVisibleTo(&dialog));
        dialog.close();
    });
    runCompositionCommand();
    EXPECT_TRUE(gridsShown);
    EXPECT_EQ(g.program.header.categories[0].rounds, 2);
    EXPECT_EQ(g.program.header.categories[0].heatsPerRound, 2);
    EXPECT_EQ(fileHeader().categories[0].rounds, before.categories[0].rounds);
    EXPECT_EQ(fileHeader().categories[0].heatsPerRound, 2);
    EXPECT_EQ(roundsShown(), (QStringList{"Manche1:2", "Manche2:2"}));
    SectionFile f(file());
    StartingGrids grids;
    ASSERT_TRUE(readStartingGrids(f, 1, grids)) << "closed without OK: the default grids";
    EXPECT_EQ(grids.driversPerHeat, 6);
    EXPECT_EQ(grids.rounds, 2);
}

TEST_F(CompositionDialogs, theFieldsClampWhatIsTypedAndTheTableScrolls) {
    makeRace(30, 10, 1, 3);
    whenDialogWith("4502", [&](QWidget& dialog) {
        auto* bar = dialog.findChild<QScrollBar*>("4505");
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(bar->isVisibleTo(&dialog));
        EXPECT_EQ(bar->maximum(), 10);
        EXPECT_EQ(bar->singleStep(), 1);
        type(dialog, 4502, "25");
        EXPECT_EQ(fieldText(dialog, 4502), "20");
        EXPECT_EQ(bar->maximum(), 20);
        type(dialog, 4502, "0");
        EXPECT_EQ(fieldText(dialog, 4502), "1");
        type(dialog, 4502, "15");
        EXPECT_EQ(bar->maximum(), 10) << "2 heats of 15";
        type(dialog, 4503, "0");
        EXPECT_EQ(fieldText(dialog, 4503), "1");
        type(dialog, 4502, "20");
        type(dialog, 4502, "30");
        EXPECT_EQ(fieldText(dialog, 4502), "20");
        type(dialog, 4502, "10");
        clickButton(dialog, "2");
    });
    whenDialogWith("4601", [](QWidget& dialog) { dialog.close(); });
    runCompositionCommand();
}

TEST_F(CompositionDialogs, aPrintedCompositionGoesThroughThePrintDialog) {
    makeRace(5, 10, 1, 1);
    const std::string pdf = g.folder.file("composition.pdf");
    bool printed = false;
    whenDialogWith("4502", [&](QWidget& dialog) {
        whenModal([](QWidget& w) { return qobject_cast<QPrintDialog*>(&w) != nullptr; },
                  [&](QWidget& w) {
                      auto* name = w.findChild<QLineEdit*>("filename");
                      ASSERT_NE(name, nullptr);
                      name->setText(QString::fromStdString(pdf));
                      printed = true;
                      static_cast<QPrintDialog&>(w).accept();
                  });
        test::expectExportButton(dialog);
        clickButton(dialog, "4504");
        clickButton(dialog, "2");
    });
    whenDialogWith("4601", [](QWidget& dialog) { dialog.close(); });
    runCompositionCommand();
    EXPECT_TRUE(printed);
    EXPECT_TRUE(std::filesystem::exists(pdf));
    EXPECT_GT(std::filesystem::file_size(pdf), 0u);
}

TEST_F(CompositionDialogs, theGridsDialogRefusesABadGridWithItsMessage) {
    makeRace(6, 3, 2, 2);
    QualifyingParameters parameters;
    parameters.startingOrder = StartingOrder::Editable;
    {
        SectionFile f(file());
        ASSERT_EQ(writeQualifyingParameters(f, 1, parameters), WriteStatus::Written);
    }
    int attempts = 0;
    whenDialogWith("4601", [&](QWidget& dialog) {
        const auto* fixed = dialog.findChild<QLineEdit*>("4601");
        const auto* editable = dialog.findChild<QLineEdit*>("4602");
        EXPECT_TRUE(fixed->isReadOnly());
        EXPECT_FALSE(editable->isReadOnly());
        EXPECT_NE(fixed->palette().color(QPalette::Base), editable->palette().color(QPalette::Base))
            << "a field that takes no input does not look like one that does";
        EXPECT_EQ(fixed->palette().color(QPalette::Base),
                  fixed->style()->standardPalette().color(QPalette::Window));
        type(dialog, 4602, "ABA");
        clickButton(dialog, "1");
        ++attempts;
        EXPECT_TRUE(dialog.isVisible()) << "a refused grid keeps the dialog open";
        type(dialog, 4602, "CABD");
        EXPECT_EQ(fieldText(dialog, 4602), "CAB") << "three letters for three drivers";
        clickButton(dialog, "1");
        ++attempts;
    });
    runStartingGridsDialog(g.program, g.window.get(), 1);
    EXPECT_EQ(attempts, 2);
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_EQ(g.dialogs.messages[0].text, "Erreur: la saisie n'est pas valide !\n\n    \n    \n"
                                          "    Il y a des doublons");
    SectionFile f(file());
    StartingGrids grids;
    ASSERT_TRUE(readStartingGrids(f, 1, grids));
    EXPECT_EQ(roundGrid(grids, 3, 2), (RoundGrid{3, 1, 2}));
}

} // namespace
} // namespace racedesk
