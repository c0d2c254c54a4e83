#include "core/race/driver_hand_over.h"

#include "core/app/program.h"
#include "core/timing/ranking.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace racedesk {
namespace {

using test::TestProgram;

struct HandOver : ::testing::Test {
    TestProgram t;
    Program& p = t.program;

    void SetUp() override {
        t.loadHeat({"Anna", "Boris"});
        p.loaded.runTitle = " Buggy - Manche1 - S\xE9rie2 ";
        p.track.circuit = "Les Pins";
        p.run.header = "Dur\xE9"
                       "e 0:05:00";
        // Boris did two laps, Anna one: Boris leads the board.
        CarSlot& boris = p.slots[1];
        boris.laps = boris.passings = 2;
        boris.cumulativeTimes[1] = 20'000;
        boris.cumulativeTimes[2] = 39'500;
        boris.totalTime = 39'500;
        CarSlot& anna = p.slots[0];
        anna.laps = anna.passings = 1;
        anna.cumulativeTimes[1] = 21'000;
        anna.totalTime = 21'000;
        rankRun(p.slots, p.run.ranking, p.entryCount, p.entries, p.rows);
    }
};

TEST_F(HandOver, theClickedRowsCarIsWrittenForTheAnalysis) {
    ASSERT_EQ(p.rows[0].name.view(), "Boris");
    EXPECT_TRUE(handOverDriverResult(p, 0));
    EXPECT_EQ(t.folder.read("ResultatPilote.res"),
              "Boris\t2\t0\t20000\t39500\t\r\n"
              " Buggy - Manche1 - S\xE9rie2 \tLes Pins\tDur\xE9"
              "e 0:05:00\t\r\n");
    EXPECT_TRUE(handOverDriverResult(p, 1));
    EXPECT_EQ(t.folder.read("ResultatPilote.res").substr(0, 15), "Anna\t1\t0\t21000\t");
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(HandOver, aRowWithoutACarHandsNothingOver) {
    EXPECT_FALSE(handOverDriverResult(p, 2));
    EXPECT_FALSE(handOverDriverResult(p, -1));
    EXPECT_FALSE(t.folder.exists("ResultatPilote.res"));
}

TEST_F(HandOver, aFileThatCannotBeWrittenIsReportedAndTheAnalysisStillOpens) {
    std::filesystem::create_directory(t.folder.file("ResultatPilote.res"));
    EXPECT_TRUE(handOverDriverResult(p, 0));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Erreur: impossible d'ouvrir le fichier DetailResultats");
    EXPECT_EQ(t.dialogs.messages[0].caption, "Erreur");
}

} // namespace
} // namespace racedesk
