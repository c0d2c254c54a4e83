// A program goes away in the middle of a heat; started again, it offers the heat back and
// rebuilds it from the journal, or, told no, leaves everything as it is and never asks again.
#include "core/app/interrupted_run.h"

#include "core/app/startup.h"
#include "core/race/heat_section.h"
#include "core/race/heat_storage.h"
#include "core/race/replay_comparison.h"
#include "core/race/section_file.h"
#include "core/race/working_race_file.h"
#include "core/timing/journal_files.h"
#include "core/timing/run_engine.h"
#include "support/one_heat_race.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace racedesk {
namespace {

using test::TestProgram;

struct InterruptedRun : ::testing::Test {
    TestProgram t;
    CarSlots timed; // the board when the program went away

    // The first session: heat 1 of round 1 timed for six laps, then the program is gone
    // without a stop (its journal closed as the system leaves a killed program's file).
    void SetUp() override {
        Program& p = t.program;
        openDayJournal(p);
        ASSERT_TRUE(test::writeOneHeatRace(p.path(kWorkingRaceFile), 4));
        t.connectKt2();
        loadQualifyingHeat(p, 1, 1, 1);
        ASSERT_TRUE(p.loaded.loaded());
        p.run.durationMinutes = 10;
        ASSERT_TRUE(t.startAndRun());
        for (int lap = 1; lap <= 6; ++lap) {
            for (int car = 0; car < 4; ++car)
                t.serial.arriveAt(t.clock.nowMicros() + 15'000 * (car + 1),
                                  test::kt2Passing(1001 + car, lap * 22'000 + car * 410));
            t.runTicks(22'000);
        }
        ASSERT_TRUE(p.run.running);
        timed = p.slots;
        p.journal.close();
    }

    // The program started again on the same working folder.
    std::unique_ptr<Program> restart() {
        auto p = std::make_unique<Program>(
            Platform{t.clock, t.serial, t.sound, t.dialogs, t.screen}, t.folder.path());
        startUp(*p);
        return p;
    }
};

// The time asked about is that of the journal's last record: the last bytes the decoder sent,
// 110 s after a start at 09:05:00.
TEST_F(InterruptedRun, takenBackItHoldsEveryLapStoppedAndCommitsAsTheJournalSays) {
    t.clock.advanceMs(60'000);
    std::unique_ptr<Program> p = restart();
    t.dialogs.answers = {Answer::Yes};
    TreeItems tree;
    ASSERT_TRUE(offerInterruptedRun(*p, tree));
    ASSERT_EQ(t.dialogs.questions.size(), 1u);
    EXPECT_EQ(t.dialogs.questions[0].text,
              "La série Touring - Manche1 - Série1 a été interrompue à 09:06:50 : la reprendre ?");
    EXPECT_FALSE(tree.empty());
    EXPECT_EQ(p->loaded.sectionTitle.view(), "Cat\xE9gorie1M1S1");
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const CarSlot& a = timed[std::size_t(i)];
        const CarSlot& b = p->slots[std::size_t(i)];
        EXPECT_EQ(b.laps, 6);
        EXPECT_EQ(b.laps, a.laps);
        EXPECT_EQ(b.totalTime, a.totalTime);
        EXPECT_EQ(b.bestLap, a.bestLap);
        EXPECT_EQ(b.cumulativeTimes, a.cumulativeTimes);
        EXPECT_TRUE(b.finished);
    }
    EXPECT_FALSE(p->run.inProgress());
    EXPECT_FALSE(p->run.ready) << "the director decides: commit or clear";
    EXPECT_EQ(p->rows[0].laps.view(), "6");

    commitHeat(*p);
    p->journal.flush();
    SectionFile file(p->path(kWorkingRaceFile));
    StoredRun stored;
    ASSERT_TRUE(readStoredRun(file, "Cat\xE9gorie1M1S1", stored));
    EXPECT_EQ(stored.cars[0].laps, 6);
    EXPECT_EQ(stored.cars[0].totalTime, timed[0].totalTime);
    const ReplayComparison comparison = compareWithRaceFile(
        journalRuns(recentJournalRecords(p->path(kJournalFolder))), p->path(kWorkingRaceFile));
    EXPECT_EQ(comparison.runsCompared, 1);
    EXPECT_TRUE(comparison.lines.empty()) << comparison.lines.front();
    p.reset();
    std::unique_ptr<Program> again = restart();
    EXPECT_FALSE(offerInterruptedRun(*again, tree)) << "a committed run is not offered again";
    EXPECT_EQ(t.dialogs.questions.size(), 1u);
}

TEST_F(InterruptedRun, declinedNothingChangesAndTheQuestionIsNotAskedAgain) {
    std::unique_ptr<Program> p = restart();
    const std::string workingBefore = t.folder.read(kWorkingRaceFile);
    t.dialogs.answers = {Answer::No};
    TreeItems tree;
    EXPECT_FALSE(offerInterruptedRun(*p, tree));
    EXPECT_EQ(t.dialogs.questions.size(), 1u);
    EXPECT_FALSE(p->loaded.loaded());
    EXPECT_EQ(t.folder.read(kWorkingRaceFile), workingBefore);
    p.reset();
    std::unique_ptr<Program> again = restart();
    EXPECT_FALSE(offerInterruptedRun(*again, tree));
    EXPECT_EQ(t.dialogs.questions.size(), 1u);
}

// After the meeting, a stored heat that was changed by hand no longer matches what the decoder
// said: the replay lists each difference.
TEST_F(InterruptedRun, theReplayListsEveryDifferenceBetweenTheDecoderAndTheStoredHeat) {
    std::unique_ptr<Program> p = restart();
    TreeItems tree;
    ASSERT_TRUE(offerInterruptedRun(*p, tree));
    commitHeat(*p);
    p->journal.flush();
    {
        SectionFile file(p->path(kWorkingRaceFile));
        StoredRun stored;
        ASSERT_TRUE(readStoredRun(file, "Cat\xE9gorie1M1S1", stored));
        stored.cars[1].laps = 5;
        stored.cars[1].bestLap += 100;
        ASSERT_EQ(writeStoredRun(file, "Cat\xE9gorie1M1S1", 4, stored), WriteStatus::Written);
    }
    const std::vector<JournalRun> runs = journalRuns(recentJournalRecords(p->path(kJournalFolder)));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].end, JournalRunEnd::Committed);
    const ReplayComparison comparison = compareWithRaceFile(runs, p->path(kWorkingRaceFile));
    EXPECT_EQ(comparison.runsCompared, 1);
    EXPECT_EQ(comparison.runsDiffering, 1);
    ASSERT_EQ(comparison.lines.size(), 2u);
    EXPECT_NE(comparison.lines[0].find("car 2 Driver 2: laps 6, stored 5"), std::string::npos)
        << comparison.lines[0];
    EXPECT_NE(comparison.lines[1].find("car 2 Driver 2: best lap"), std::string::npos)
        << comparison.lines[1];

    ReplayedRun replayed;
    ASSERT_TRUE(replayRun(runs[0], replayed));
    const std::string text = replayedRunText(runs[0], replayed);
    EXPECT_NE(text.find("(committed)"), std::string::npos) << text;
    EXPECT_NE(text.find("Driver 4"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5) << "a title and four cars";
}

TEST(InterruptedRunNone, withoutAJournalNothingIsAsked) {
    TestProgram t;
    startUp(t.program);
    TreeItems tree;
    EXPECT_FALSE(offerInterruptedRun(t.program, tree));
    EXPECT_TRUE(t.dialogs.questions.empty());
}

} // namespace
} // namespace racedesk
