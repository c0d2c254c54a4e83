#include "core/app/tick.h"
#include "core/timing/run_engine.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <set>

namespace racedesk {
namespace {

using test::TestProgram;
using test::utf8;

struct Announcements : ::testing::Test {
    TestProgram t;
    RunSession& run = t.program.run;
    void SetUp() override {
        t.connectKt1();
        t.loadHeat({"Alice", "Bob"});
    }
    std::vector<std::string> clipsWithout(const std::string& clip) const {
        std::vector<std::string> out;
        for (const auto& c : t.sound.clips)
            if (c != clip)
                out.push_back(c);
        return out;
    }
};

TEST_F(Announcements, fiveSecondCountdownSpeaksEachSecondOnceAndNeverShowsSix) {
    std::set<std::string> shown;
    startRun(t.program);
    ASSERT_EQ(t.sound.clips.size(), 1u);
    EXPECT_EQ(t.sound.clips[0], "sons/nokia-sms.wav");
    EXPECT_TRUE(t.sound.waited[0]) << "the countdown begins once the tone has ended";
    shown.insert(run.countdownText.c_str());
    while (run.countdown) {
        t.runTicks(10);
        shown.insert(run.countdownText.c_str());
    }
    EXPECT_EQ(shown, (std::set<std::string>{"0s", "1s", "2s", "3s", "4s", "5s"}));
    EXPECT_EQ(t.sound.clips,
              (std::vector<std::string>{"sons/nokia-sms.wav", "sons/cinq.wav", "sons/quatre.wav",
                                        "sons/trois.wav", "sons/deux.wav", "sons/un.wav",
                                        "sons/foghorn.wav"}));
}

TEST_F(Announcements, oneSecondCountdownHasNoToneBeforeIt) {
    run.countdownSeconds = 1;
    startRun(t.program);
    EXPECT_TRUE(t.sound.clips.empty());
}

TEST_F(Announcements, longCountdownAnnouncesMinutesInEnglish) {
    t.program.sounds.setLanguage(SpokenLanguage::English);
    run.countdownSeconds = 125;
    startRun(t.program);
    t.runTicks(126'000);
    EXPECT_EQ(t.sound.count("sons/2minutesGB.wav"), 1);
    EXPECT_EQ(t.sound.count("sons/1minuteGB.wav"), 1);
    EXPECT_EQ(t.sound.count("sons/30secondesGB.wav"), 1);
    EXPECT_EQ(t.sound.count("sons/10secondesGB.wav"), 1);
    EXPECT_EQ(t.sound.count("sons/unGB.wav"), 1);
    EXPECT_FALSE(t.sound.played("sons/5minutesGB.wav"));
}

TEST_F(Announcements, tenMinuteRunHasHalfTimeAndOneMinuteButNotFiveMinutes) {
    run.durationMinutes = 10;
    ASSERT_TRUE(t.startAndRun());
    t.sound.clear();
    t.runTicks(10 * 60'000 + 500);
    EXPECT_EQ(clipsWithout("sons/foghorn.wav"),
              (std::vector<std::string>{"sons/miCourse.wav", "sons/1minute.wav"}));
    EXPECT_EQ(t.sound.count("sons/foghorn.wav"), 1);
}

TEST_F(Announcements, twoMinuteRunHasOnlyHalfTime) {
    run.durationMinutes = 2;
    ASSERT_TRUE(t.startAndRun());
    t.sound.clear();
    t.runTicks(2 * 60'000 + 500);
    EXPECT_EQ(clipsWithout("sons/foghorn.wav"), std::vector<std::string>{"sons/miCourse.wav"});
}

TEST_F(Announcements, fifteenMinuteRunAnnouncesFiveMinutesLeftInEnglish) {
    t.program.sounds.setLanguage(SpokenLanguage::English);
    run.durationMinutes = 15;
    ASSERT_TRUE(t.startAndRun());
    t.runTicks(10 * 60'000 + 900);
    EXPECT_FALSE(t.sound.played("sons/5minutesRaceGB.wav")) << "five minutes still shown";
    t.runTicks(1000);
    EXPECT_EQ(t.sound.count("sons/5minutesRaceGB.wav"), 1);
    EXPECT_FALSE(t.sound.played("sons/5minutesGB.wav"));
}

TEST_F(Announcements, lapsRunAnnouncesNothingOfTheClock) {
    run.durationMode = DurationMode::Laps;
    run.targetLaps = 50;
    ASSERT_TRUE(t.startAndRun());
    t.sound.clear();
    t.runTicks(61 * 60'000);
    EXPECT_TRUE(t.sound.clips.empty());
}

TEST_F(Announcements, missingLanguageSilencesVoicesButNotSignals) {
    t.program.sounds.setLanguage(SpokenLanguage::None);
    ASSERT_TRUE(t.startAndRun());
    EXPECT_EQ(t.sound.clips, (std::vector<std::string>{"sons/nokia-sms.wav", "sons/foghorn.wav"}));
}

TEST_F(Announcements, settingsOffSilenceTheirClips) {
    for (int k = 1; k < int(SoundKey::Count); ++k)
        t.program.sounds.set(SoundKey(k), false);
    ASSERT_TRUE(t.startAndRun());
    manualPassing(t.program, 1);
    t.runTicks(3000);
    manualPassing(t.program, 1);
    stopRun(t.program);
    EXPECT_TRUE(t.sound.clips.empty());
}

TEST_F(Announcements, carButtonsCountLapsOnTheHostClock) {
    ASSERT_TRUE(t.startAndRun());
    t.runTicks(1500);
    manualPassing(t.program, 2);
    const CarSlot& bob = t.program.slots[1];
    EXPECT_EQ(bob.laps, 1);
    EXPECT_NEAR(bob.totalTime, 1500, 15);
    manualPassing(t.program, 2); // a button always counts, even at once
    EXPECT_EQ(bob.laps, 2);
    manualPassing(t.program, 5); // an empty slot
    EXPECT_EQ(t.program.slots[4].laps, 0);
}

TEST_F(Announcements, restPeriodCountsDownThenShowsOneSteadyOverrunTextAndChimesOnce) {
    run.restMinutes = 1;
    ASSERT_TRUE(t.startAndRun());
    t.runTicks(1000);
    stopRun(t.program);
    EXPECT_TRUE(run.restPeriod);
    EXPECT_EQ(run.restMinutesText.view(), "1:00");
    EXPECT_EQ(utf8(run.restRemainingText.view()), "1:00 avant départ");
    t.runTicks(30'050);
    EXPECT_EQ(utf8(run.restRemainingText.view()), "0:30 avant départ");
    t.sound.clear();
    t.runTicks(29'950);
    EXPECT_TRUE(run.restElapsed) << "shown elapsed as soon as nothing remains";
    t.runTicks(5'050);
    EXPECT_EQ(utf8(run.restRemainingText.view()), "Repos écoulé");
    t.screen.invalidated.clear();
    t.runTicks(120'000);
    EXPECT_EQ(utf8(run.restRemainingText.view()), "Repos écoulé") << "never counts on below zero";
    EXPECT_TRUE(t.screen.invalidated.empty()) << "nothing left to redraw";
    EXPECT_EQ(t.sound.clips, std::vector<std::string>{"sons/nokia-sms.wav"});
}

TEST_F(Announcements, clearAsksThenPreparesTheRunAndWritesTheDetailedResults) {
    ASSERT_TRUE(t.startAndRun());
    manualPassing(t.program, 1);
    t.runTicks(3000);
    manualPassing(t.program, 1);
    stopRun(t.program);
    t.dialogs.answers = {Answer::No};
    clearRun(t.program);
    EXPECT_EQ(t.program.slots[0].laps, 2);
    clearRun(t.program);
    ASSERT_EQ(t.dialogs.questions.size(), 2u);
    EXPECT_EQ(t.dialogs.questions[1].text,
              "Etes vous sûr de vouloir effacer les résultats de la série?\n"
              "Les données seront définitivement perdues");
    EXPECT_EQ(t.dialogs.questions[1].caption, "Tarvolin");
    EXPECT_EQ(t.program.slots[0].laps, 0);
    EXPECT_TRUE(run.ready);
    EXPECT_EQ(run.header.view(), ".");
    EXPECT_EQ(run.durationText.view(), "0:01:00");
    EXPECT_EQ(run.elapsedText.view(), "0:00:00");
    EXPECT_EQ(run.countdownText.view(), "5s");
    std::string expected = "CLASSEMENTToursTemps\t\r\nAlice\t0\t\r\nBob\t0\t\r\n";
    for (int i = 2; i < 20; ++i)
        expected += "(NA)\t0\t\r\n";
    EXPECT_EQ(t.folder.read("DetailResultats.res"), expected);
}

TEST_F(Announcements, runHeaderNamesDurationStartAndEndRules) {
    ASSERT_TRUE(t.startAndRun());
    EXPECT_EQ(utf8(run.header.view()),
              "Durée 0:01:00 - DEPARTSignalSonore - FINTEMPSFinirTour - Départ 03/03/2027 9:05");
    for (int i = 0; i < t.program.entryCount; ++i)
        EXPECT_EQ(t.program.rows[std::size_t(i)].totalTime.view(), "00:00.000");
}

TEST_F(Announcements, lapRecordReachesTheCircuitsFileWhenTheRunStops) {
    t.folder.write("BaseDonnéesCircuits.bd",
                   "Le Mans\t1200\t21.000\t21000\tOld Holder\t2\tLe Mans\t\t\r\n");
    ASSERT_TRUE(readCircuits(t.program.path(kCircuitsFile), t.program.circuits));
    run.circuitIndex = 0;
    ASSERT_TRUE(t.startAndRun());
    const auto alicePasses = [this] {
        t.serial.arrive(test::kt1Passing(1001));
        t.runTicks(10);
    };
    alicePasses();
    t.runTicks(24'990);
    alicePasses();
    t.runTicks(20'490);
    alicePasses();
    stopRun(t.program);
    const std::string file = t.folder.read("BaseDonnéesCircuits.bd");
    EXPECT_EQ(file.substr(0, file.find('\r')),
              "Le Mans\t1200\t20.500\t20500\tAlice\t2\tLe Mans\t\t");
}

} // namespace
} // namespace racedesk
