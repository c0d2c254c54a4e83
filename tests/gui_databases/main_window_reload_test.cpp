#include "core/race/section_file.h"
#include "core/race/track_section.h"
#include "core/race/working_race_file.h"

#include "gui/gui_program.h"

#include "gui/modal_driver.h"
#include "gui_databases/database_dialog_driver.h"

#include <QAction>
#include <QComboBox>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using namespace test;

const char* const kCircuits = "BaseDonnéesCircuits.bd";

void setRaceCircuit(GuiProgram& g, const char* circuit) {
    SectionFile race(g.program.path(kWorkingRaceFile));
    TrackSettings track;
    readTrack(race, track);
    track.circuit = circuit;
    ASSERT_EQ(writeTrack(race, track), WriteStatus::Written);
}

TEST(MainWindowDatabases, theDatabaseMenuOpensEachDialog) {
    GuiProgram g;
    const std::pair<int, const char*> dialogs[] = {
        {1006, "3005"}, {1007, "3105"}, {1008, "3205"}, {1009, "3303"}, {1010, "3405"}};
    for (const auto& [item, control] : dialogs) {
        ASSERT_TRUE(g.window->action(item)->isEnabled()) << item;
        bool opened = false;
        whenDialogWith(control, [&opened](QWidget& d) {
            opened = true;
            clickButton(d, "2");
        });
        g.window->action(item)->trigger();
        EXPECT_TRUE(opened) << item;
    }
}

TEST(MainWindowDatabases, afterTheCircuitsDialogTheRaceCircuitIsFoundAgainByName) {
    GuiProgram g;
    ASSERT_TRUE(startWorkingRaceFile(g.program.workDir));
    setRaceCircuit(g, "Mornas");
    g.folder.write(kCircuits, "Vallon\t\t\t0\t\t\t\t\t\r\n");
    g.program.run.circuitIndex = kNoCircuit;

    whenDialogWith("3005", [](QWidget& d) {
        addByButtons(d, 3001, 3005, "Mornas");
        typeInto(d, 3012, "4");
        clickButton(d, "1");
    });
    g.window->action(1006)->trigger();
    EXPECT_EQ(g.program.circuits[0].name.view(), "Mornas");
    EXPECT_EQ(g.program.circuits[0].protectionTime.view(), "4");
    EXPECT_EQ(g.program.circuits[1].name.view(), "Vallon");
    EXPECT_EQ(g.program.run.circuitIndex, 0);

    // Closing without Ok reloads all the same: the table is the file's again.
    g.program.circuits[0].name = "changed in memory";
    g.program.run.circuitIndex = 5;
    whenDialogWith("3005", [](QWidget& d) {
        addByButtons(d, 3001, 3005, "Aaa");
        clickButton(d, "2");
    });
    g.window->action(1006)->trigger();
    EXPECT_EQ(g.program.circuits[0].name.view(), "Mornas");
    EXPECT_EQ(g.program.run.circuitIndex, 0);
    EXPECT_TRUE(g.dialogs.messages.empty());
}

TEST(MainWindowDatabases, afterTheTranspondersDialogThePacksAndTheirListAreReloaded) {
    GuiProgram g;
    auto* packs = g.window->findChild<QComboBox*>("2104");
    ASSERT_NE(packs, nullptr);
    EXPECT_EQ(packs->count(), 20) << "the packs are listed from the start";

    whenDialogWith("3303", [](QWidget& d) {
        typeInto(d, 3303, "424242");
        clickButton(d, "1");
    });
    g.window->action(1009)->trigger();
    EXPECT_EQ(g.program.packs[0].transponders[0].view(), "424242");
    EXPECT_EQ(packs->count(), 20);
}

} // namespace
} // namespace racedesk
