#include "core/databases/database_reload.h"

#include "core/race/section_file.h"
#include "core/race/track_section.h"
#include "core/race/working_race_file.h"

#include "support/test_program.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

using test::TestProgram;

void setRaceCircuit(TestProgram& t, const char* circuit) {
    ASSERT_TRUE(startWorkingRaceFile(t.program.workDir));
    SectionFile race(t.program.path(kWorkingRaceFile));
    TrackSettings track;
    track.circuit = circuit;
    ASSERT_EQ(writeTrack(race, track), WriteStatus::Written);
}

std::string circuitLine(const std::string& name) {
    return name + "\t\t\t0\t\t\t\t\t\r\n";
}

TEST(DatabaseReload, theRaceCircuitIsFoundAgainByNameAfterTheCircuitsMoved) {
    TestProgram t;
    setRaceCircuit(t, "Mornas");
    t.folder.write("BaseDonnéesCircuits.bd", circuitLine("Anneau") + circuitLine("Mornas"));
    t.program.run.circuitIndex = 0;
    reloadCircuits(t.program);
    EXPECT_EQ(t.program.run.circuitIndex, 1);
    EXPECT_EQ(t.program.circuits[1].name.view(), "Mornas");

    t.folder.write("BaseDonnéesCircuits.bd", circuitLine("Vallon"));
    reloadCircuits(t.program);
    EXPECT_EQ(t.program.run.circuitIndex, kNoCircuit) << "removed: the race has no circuit";
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST(DatabaseReload, aRaceWithoutACircuitNameNeverMatchesAnEmptyRecord) {
    TestProgram t;
    setRaceCircuit(t, "");
    t.folder.write("BaseDonnéesCircuits.bd", "\t\t\t0\t\t\t\t\t\r\n" + circuitLine("Mornas"));
    reloadCircuits(t.program);
    EXPECT_EQ(t.program.run.circuitIndex, kNoCircuit);
}

TEST(DatabaseReload, unreadableFilesAreReportedAndLeaveEmptyTables) {
    TestProgram t;
    setRaceCircuit(t, "Mornas");
    t.program.circuits[0].name = "Mornas";
    t.program.packs[0].name = "P1";
    reloadCircuits(t.program);
    reloadTransponderPacks(t.program);
    ASSERT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: impossible d'ouvrir la base de données Circuits");
    EXPECT_EQ(t.dialogs.messages[1].text,
              "Erreur: impossible d'ouvrir la base de données Transpondeurs");
    EXPECT_TRUE(t.program.circuits[0].name.empty());
    EXPECT_EQ(t.program.run.circuitIndex, kNoCircuit);
    EXPECT_TRUE(t.program.packs[0].name.empty());
}

} // namespace
} // namespace racedesk
