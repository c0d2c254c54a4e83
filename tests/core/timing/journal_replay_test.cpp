// A run timed live with the decoder journal open is timed again from the journal alone: both
// must agree lap for lap. A journal cut or damaged anywhere is read up to the damage.
#include "core/app/tick.h"
#include "core/common/text_file.h"
#include "core/timing/journal_files.h"
#include "core/timing/journal_replay.h"
#include "core/timing/journal_runs.h"
#include "core/timing/manual_lap_undo.h"
#include "core/timing/run_engine.h"
#include "core/timing/transponder_modes.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TestProgram;

std::string journalBytes(TestProgram& t) {
    t.program.journal.flush();
    return t.folder.read(dayJournalName(t.clock.date));
}

std::vector<JournalRun> runsOf(const std::string& bytes) {
    std::size_t validSize = 0;
    return journalRuns(readJournalRecords(bytes, validSize));
}

void expectSameRun(const CarSlots& live, const ReplayedRun& replayed) {
    for (int i = 0; i < kCarCount; ++i) {
        const CarSlot& a = live[std::size_t(i)];
        const CarSlot& b = replayed.slots[std::size_t(i)];
        SCOPED_TRACE("car " + std::to_string(i + 1));
        EXPECT_EQ(b.name.view(), a.name.view());
        EXPECT_EQ(b.laps, a.laps);
        EXPECT_EQ(b.passings, a.passings);
        EXPECT_EQ(b.totalTime, a.totalTime);
        EXPECT_EQ(b.bestLap, a.bestLap);
        for (int lap = 0; lap <= a.laps; ++lap)
            EXPECT_EQ(b.cumulativeTimes[std::size_t(lap)], a.cumulativeTimes[std::size_t(lap)]);
    }
}

struct JournalReplay : ::testing::Test {
    TestProgram t;
    Program& p = t.program;

    void SetUp() override {
        openDayJournal(p);
        ASSERT_TRUE(p.journal.isOpen());
    }
    void loadCars(int cars) {
        std::vector<std::string> names;
        for (int i = 0; i < cars; ++i)
            names.push_back("Driver " + std::to_string(i + 1));
        t.loadHeat(names);
        p.loaded.sectionTitle = "Cat\xE9gorie1M1S1";
        p.loaded.category = p.loaded.round = p.loaded.heat = 1;
        p.run.durationMinutes = 5;
    }
    // Eight laps of four KT2 cars, their bytes coming at the wire's pace so that passings are
    // cut between reads; car 2 is seen twice at one crossing, car 4 pressed by hand once.
    void runKt2Heat() {
        t.connectKt2();
        loadCars(4);
        ASSERT_TRUE(t.startAndRun());
        for (int lap = 1; lap <= 8; ++lap) {
            for (int car = 0; car < 4; ++car) {
                const std::int64_t at = t.clock.nowMicros() + 12'000 * (car + 1);
                t.serial.arriveOnWire(at, test::kt2Passing(1001 + car, lap * 21'000 + car * 350));
            }
            t.serial.arriveOnWire(t.clock.nowMicros() + 62'000,
                                  test::kt2Passing(1002, lap * 21'000 + 900));
            t.runTicks(21'000);
            if (lap == 5)
                manualPassing(p, 4);
        }
        stopRun(p);
    }
};

TEST_F(JournalReplay, aKt2HeatTimedAgainFromItsJournalEqualsTheLiveHeat) {
    runKt2Heat();
    const std::vector<JournalRun> runs = runsOf(journalBytes(t));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].end, JournalRunEnd::Stopped);
    EXPECT_EQ(runs[0].start.sectionTitle.view(), "Cat\xE9gorie1M1S1");
    EXPECT_EQ(runs[0].start.names[0].view(), "Driver 1");
    EXPECT_EQ(runs[0].start.transponders[3].view(), "001004");
    ReplayedRun replayed;
    ASSERT_TRUE(replayRun(runs[0], replayed));
    ASSERT_EQ(p.slots[0].laps, 8);
    EXPECT_EQ(p.slots[3].laps, 9) << "the manual passing counts a lap";
    expectSameRun(p.slots, replayed);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(replayed.rows[std::size_t(i)].name.view(), p.rows[std::size_t(i)].name.view());
    EXPECT_FALSE(replayed.run.running);
}

TEST_F(JournalReplay, aKt1FirstCarStartIsTimedAgainFromTheHostStampsOfItsBytes) {
    t.connectKt1();
    loadCars(3);
    p.run.startMode = StartMode::FirstCar;
    startRun(p);
    t.runTicks(p.run.countdownSeconds * 1000 + 500);
    ASSERT_TRUE(p.run.waitingFirstCar);
    for (int lap = 0; lap < 6; ++lap) {
        for (int car = 0; car < 3; ++car) {
            t.serial.arriveAt(t.clock.nowMicros() + 1700 * (car + 1) + lap * 37,
                              test::kt1Passing(1001 + car));
            t.runTicks(10);
        }
        t.runTicks(19'000 + lap * 130);
    }
    ASSERT_TRUE(p.run.running);
    stopRun(p);
    const std::vector<JournalRun> runs = runsOf(journalBytes(t));
    ASSERT_EQ(runs.size(), 1u);
    ReplayedRun replayed;
    ASSERT_TRUE(replayRun(runs[0], replayed));
    ASSERT_GE(p.slots[0].laps, 5);
    expectSameRun(p.slots, replayed);
}

TEST_F(JournalReplay, clearedAndCommittedRunsEndTheirRecordsAndANewStartBeginsANewRun) {
    runKt2Heat();
    clearRunResults(p);
    ASSERT_TRUE(t.startAndRun());
    t.serial.arrive(test::kt2Passing(1001, 4000));
    t.runTicks(100);
    const std::vector<JournalRun> runs = runsOf(journalBytes(t));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].end, JournalRunEnd::Cleared);
    EXPECT_EQ(runs[1].end, JournalRunEnd::Open);
    ReplayedRun cleared;
    replayRun(runs[0], cleared);
    EXPECT_EQ(cleared.slots[0].laps, 0) << "a cleared run is replayed as the clear left it";
    ReplayedRun open;
    replayRun(runs[1], open);
    EXPECT_EQ(open.slots[0].laps, 1);
    EXPECT_TRUE(open.slots[0].finished) << "an interrupted run is replayed stopped";
}

// What the director does to a run besides timing it: a club transponder given to a driver
// whose car's own one failed, a car button pressed by mistake and taken back, and a link lost
// and recovered while cars lap. The replay must follow each, or laps land on the wrong car.
TEST_F(JournalReplay, aClubTransponderAnUndoneCarButtonAndARecoveryAreTimedAgainAsLive) {
    t.connectKt2();
    t.folder.write("R\u00e9glagesInterface2.rg", "COM1\t1\tTarvolinKT2\r\n");
    p.link.reloadPending = true;
    t.runTicks(10);
    ASSERT_TRUE(p.link.keepAliveActive) << "the link is supervised, so it can be lost";
    loadCars(3);
    p.packs[0].transponders[4] = "1009";
    p.scan.mode = TransponderMode::Club;
    ASSERT_TRUE(t.startAndRun());
    for (int lap = 1; lap <= 6; ++lap) {
        int car = 0;
        for (const int transponder : {1001, 1002, lap <= 2 ? 1003 : 1009}) {
            ++car;
            t.serial.arriveOnWire(t.clock.nowMicros() + 12'000 * car,
                                  test::kt2Passing(transponder, lap * 20'000 + car * 300));
        }
        t.runTicks(20'000);
        if (lap == 2)
            giveClubTransponder(p, 2, 4);
        if (lap == 3) {
            manualPassing(p, 1);
            ASSERT_TRUE(undoLastManualLap(p));
        }
        if (lap == 4)
            t.serial.writesFail = true;
        if (lap == 5)
            t.serial.writesFail = false;
    }
    stopRun(p);
    ASSERT_EQ(p.slots[2].transponder.view(), "001009");
    ASSERT_EQ(p.slots[2].laps, p.slots[1].laps) << "driver 3 laps on the club transponder";
    ASSERT_EQ(p.slots[0].laps, p.slots[1].laps) << "the car button was taken back";

    const std::string bytes = journalBytes(t);
    std::size_t validSize = 0;
    int given = 0;
    int undone = 0;
    int recoveryWaits = 0;
    for (const JournalRecord& r : readJournalRecords(bytes, validSize)) {
        given += r.type == JournalType::Transponder && r.payload == "club\tDriver 3\t001009\t";
        undone += r.type == JournalType::Undo;
        recoveryWaits += r.type == JournalType::Recovery && r.payload == "1\t";
    }
    EXPECT_EQ(given, 1);
    EXPECT_EQ(undone, 1);
    EXPECT_GE(recoveryWaits, 1) << "the link was lost and recovered during the run";
    const std::vector<JournalRun> runs = runsOf(bytes);
    ASSERT_EQ(runs.size(), 1u);
    ReplayedRun replayed;
    ASSERT_TRUE(replayRun(runs[0], replayed));
    expectSameRun(p.slots, replayed);
    EXPECT_EQ(replayed.slots[2].transponder.view(), "001009");
}

// Every prefix of a real journal, as a crash while writing it leaves one, and the journal with
// any one byte changed: read up to the damage, never past it, never a crash.
TEST_F(JournalReplay, aJournalCutAnywhereOrDamagedAnywhereIsReadUpToTheDamage) {
    runKt2Heat();
    const std::string whole = journalBytes(t);
    std::size_t wholeSize = 0;
    const std::vector<JournalRecord> all = readJournalRecords(whole, wholeSize);
    ASSERT_EQ(wholeSize, whole.size());
    ASSERT_GT(all.size(), 20u);
    const auto isPrefix = [&](const std::vector<JournalRecord>& some) {
        for (std::size_t i = 0; i < some.size(); ++i) {
            if (some[i].type != all[i].type || some[i].stamp != all[i].stamp ||
                some[i].payload != all[i].payload)
                return false;
        }
        return some.size() <= all.size();
    };
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        std::size_t validSize = 0;
        const auto some = readJournalRecords(std::string_view(whole).substr(0, cut), validSize);
        ASSERT_LE(validSize, cut);
        ASSERT_TRUE(isPrefix(some)) << "cut at " << cut;
        ASSERT_LT(some.size(), all.size());
        if (cut % 97 == 0) {
            for (const JournalRun& run : journalRuns(some)) {
                ReplayedRun replayed;
                replayRun(run, replayed);
                EXPECT_LE(replayed.slots[0].laps, p.slots[0].laps);
            }
        }
    }
    for (std::size_t at = 0; at < whole.size(); at += 3) {
        std::string damaged = whole;
        damaged[at] = char(damaged[at] ^ 0x5A);
        std::size_t validSize = 0;
        const auto some = readJournalRecords(damaged, validSize);
        ASSERT_LE(validSize, at + 1) << "nothing after a damaged byte is taken";
        ASSERT_TRUE(isPrefix(some)) << "damage at " << at;
        if (at % 89 == 0) {
            for (const JournalRun& run : journalRuns(some)) {
                ReplayedRun replayed;
                replayRun(run, replayed);
            }
        }
    }
}

TEST(DecoderJournal, aJournalCutByACrashIsContinuedAfterItsLastWholeRecord) {
    test::TempFolder folder;
    const std::string path = folder.path() + "/day.rdj";
    {
        DecoderJournal journal;
        ASSERT_TRUE(journal.open(path));
        journal.append(JournalType::Stop, 11, {});
        journal.append(JournalType::Manual, 12, "3\t4500\t");
    }
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path, bytes));
    ASSERT_TRUE(replaceWholeFile(path, bytes.substr(0, bytes.size() - 5)));
    {
        DecoderJournal journal;
        ASSERT_TRUE(journal.open(path));
        journal.append(JournalType::Clear, 13, {}, true);
        journal.flush();
        ASSERT_TRUE(readWholeFile(path, bytes));
        std::size_t validSize = 0;
        const auto records = readJournalRecords(bytes, validSize);
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(records[0].stamp, 11);
        EXPECT_EQ(records[1].type, JournalType::Clear);
        EXPECT_EQ(validSize, bytes.size());
    }
    ASSERT_TRUE(replaceWholeFile(path, "not a journal"));
    DecoderJournal journal;
    ASSERT_TRUE(journal.open(path)) << "the program never refuses to start over a journal";
    EXPECT_EQ(folder.read("day.rdj.damaged"), "not a journal");
    EXPECT_EQ(folder.read("day.rdj"), std::string(kJournalSignature));
}

TEST(DecoderJournal, journalsOfDaysPastTheirKeepingAreRemovedAndOtherFilesLeftAlone) {
    test::TempFolder folder;
    for (const char* name : {"Journal-2027-01-01.rdj", "Journal-2027-02-28.rdj",
                             "Journal-2027-03-03.rdj", "notes.txt"})
        ASSERT_TRUE(replaceWholeFile(folder.path() + "/" + name, "x"));
    removeOldJournals(folder.path(), LocalDateTime{2027, 3, 3, 9, 0, 0}, 60);
    EXPECT_EQ(journalFiles(folder.path()),
              (std::vector<std::string>{"Journal-2027-02-28.rdj", "Journal-2027-03-03.rdj"}));
    EXPECT_EQ(folder.read("notes.txt"), "x");
}

} // namespace
} // namespace racedesk
