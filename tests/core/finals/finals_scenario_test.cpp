// A whole category through the core functions: forty participants qualify over three rounds
// with scripted decoder passings, the overall classification is confirmed, the finals are
// composed on three levels, every final is loaded, run and committed from the lowest level
// up, and the closure report is checked row by row.
#include "core/app/interrupted_run.h"
#include "core/app/startup.h"
#include "core/finals/closure_report.h"
#include "core/finals/final_filling.h"
#include "core/finals/final_storage.h"
#include "core/finals/finals_composition_form.h"
#include "core/finals/finals_structure.h"
#include "core/qualifying/classification_storage.h"
#include "core/qualifying/heat_composition_rules.h"
#include "core/qualifying/starting_grid_rules.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/race_tree.h"
#include "core/race/replay_comparison.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "core/timing/journal_files.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace racedesk {
namespace {

using test::TestProgram;

constexpr int kDrivers = 40;
constexpr int kPerHeat = 10;
constexpr int kRounds = 3;
constexpr int kLapsRun = 4;

std::string driverName(int d) {
    char text[24];
    std::snprintf(text, sizeof text, "Pilote %02d", d + 1);
    return text;
}
int driverOf(std::string_view name) {
    return std::stoi(std::string(name.substr(7))) - 1;
}
int transponder(int d) {
    return 3001 + d;
}

// Index of a final: 0 the Final, 2·L − 1 the 1/2^L A, 2·L its B.
constexpr int kFinale = 0;
constexpr int k2A = 1, k2B = 2, k4A = 3, k4B = 4, k8A = 5, k8B = 6;

struct Finisher {
    std::string name;
    int laps = 0;
    RaceTime total = 0;
};

struct FinalsScenario : ::testing::Test {
    TestProgram t;
    Program& p = t.program;
    std::map<int, std::vector<Finisher>> finished; // by final, best first

    void SetUp() override {
        t.connectKt2();
        ASSERT_TRUE(createWorkingRaceFile(p.path(kWorkingRaceFile)));
        SectionFile f(p.path(kWorkingRaceFile));
        RaceHeader header = newRaceHeader();
        header.categories[0].participants = kDrivers;
        ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
        auto participants = std::make_unique<ParticipantTable>();
        auto composition = std::make_unique<HeatComposition>();
        for (int d = 0; d < kDrivers; ++d) {
            (*participants)[std::size_t(d)].name = driverName(d);
            char text[8];
            std::snprintf(text, sizeof text, "%06d", transponder(d));
            (*participants)[std::size_t(d)].transponder = text;
            composition->places[std::size_t(d)] = driverName(d);
        }
        ASSERT_EQ(writeParticipants(f, 1, *participants), WriteStatus::Written);
        ASSERT_EQ(writeHeatComposition(f, 1, *composition), WriteStatus::Written);
    }

    // Every car of the board laps at its pace; after the minute each one stops at the line.
    // Gives each driver's laps and total as the run engine counted them.
    void runLoaded(const std::function<RaceTime(int slot, int driver)>& lapOf) {
        ASSERT_TRUE(p.run.ready) << p.loaded.sectionTitle.view();
        ASSERT_TRUE(t.startAndRun());
        struct Crossing {
            std::int64_t at;
            int driver;
        };
        std::vector<Crossing> crossings;
        for (int slot = 0; slot < kCarCount; ++slot) {
            const CarSlot& s = p.slots[std::size_t(slot)];
            if (s.isEmptySlot())
                continue;
            const int d = driverOf(s.name.view());
            for (int lap = 1; lap <= kLapsRun; ++lap)
                crossings.push_back({std::int64_t(lap) * lapOf(slot, d), d});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.at < b.at; });
        for (const Crossing& c : crossings) {
            t.serial.arrive(test::kt2Passing(transponder(c.driver), c.at));
            t.runTicks(10);
        }
        ASSERT_FALSE(p.run.running) << "every car finished its lap after the minute";
    }

    void qualify() {
        CompositionDialog d = openCompositionDialog(p, 1);
        setDriversPerHeat(p, d, kPerHeat);
        setRounds(p, d, kRounds);
        ASSERT_EQ(generateComposition(p, d), GenerateOutcome::Written);
        ASSERT_TRUE(validateGrids(p, openGridsDialog(p, 1)));
        // Driver d laps in 19 s + d/10 s: the first ten make four laps in the minute, the
        // others three, and the order is theirs in every round.
        for (int r = 1; r <= kRounds; ++r) {
            for (int h = 1; h <= kDrivers / kPerHeat; ++h) {
                loadQualifyingHeat(p, 1, r, h);
                ASSERT_NO_FATAL_FAILURE(
                    runLoaded([](int, int driver) { return RaceTime(19'000 + 100 * driver); }));
                commitHeat(p);
            }
            auto round = std::make_unique<RoundClassificationState>();
            ASSERT_TRUE(openRoundClassification(p, 1, r, *round));
            ASSERT_TRUE(confirmRoundClassification(p, *round));
        }
        auto overall = std::make_unique<OverallClassificationState>();
        ASSERT_TRUE(openOverallClassification(p, 1, *overall));
        ASSERT_TRUE(confirmOverallClassification(p, *overall));
    }

    // Three levels of one-minute finals without rests.
    void composeFinals() {
        FinalsCompositionForm form;
        ASSERT_TRUE(openFinalsComposition(p, 1, form));
        EXPECT_EQ(form.composition.participants, kDrivers);
        using namespace composition_control;
        for (int id : kDuration)
            typeCompositionNumber(form.composition, id, "1", form.maxParticipants);
        for (int id : kRest)
            typeCompositionNumber(form.composition, id, "0", form.maxParticipants);
        const FinalsStructure s = finalsStructure(form.composition);
        EXPECT_EQ(s.levels, 3);
        EXPECT_EQ(s.totalMinutes, 7);
        ASSERT_TRUE(generateFinalsComposition(p, form));
        EXPECT_TRUE(afterFinalsComposition(p, 1).rebuildBranch);
    }

    std::vector<std::string> boardNames() const {
        std::vector<std::string> names;
        for (const CarSlot& s : p.slots)
            names.emplace_back(s.name.view());
        return names;
    }

    // The final's cars lap the faster the further down the grid they start: the last slot
    // wins. Laps of 19 s to 19.9 s: every car makes four laps in the minute.
    void runFinal(int finalIndex) {
        loadFinal(p, 1, finalIndex);
        int cars = 0;
        while (cars < kCarCount && !p.slots[std::size_t(cars)].isEmptySlot())
            ++cars;
        ASSERT_NO_FATAL_FAILURE(runLoaded(
            [cars](int slot, int) { return RaceTime(19'000 + 100 * (cars - 1 - slot)); }));
        std::vector<Finisher>& order = finished[finalIndex];
        for (int slot = cars - 1; slot >= 0; --slot) {
            const CarSlot& s = p.slots[std::size_t(slot)];
            const RaceTime lap = 19'000 + 100 * (cars - 1 - slot);
            EXPECT_EQ(s.laps, kLapsRun) << s.name.view();
            EXPECT_EQ(s.totalTime, kLapsRun * lap) << s.name.view();
            order.push_back({std::string(s.name.view()), s.laps, s.totalTime});
        }
        commitHeat(p);
    }

    std::string body(const std::string& title) {
        SectionFile f(p.path(kWorkingRaceFile));
        return std::string(f.body(title).value_or(""));
    }
    int state(int finalIndex) {
        SectionFile f(p.path(kWorkingRaceFile));
        return readFinalState(f, finalRunTitle(1, finalIndex));
    }
    std::string winner(int finalIndex, int place) const {
        return finished.at(finalIndex)[std::size_t(place)].name;
    }
};

std::vector<std::string> qualifiers(std::initializer_list<int> places) {
    std::vector<std::string> names;
    for (int place : places)
        names.push_back(driverName(place));
    return names;
}

TEST_F(FinalsScenario, aCategoryQualifiesRunsItsFinalsFromTheLowestLevelUpAndIsReported) {
    ASSERT_NO_FATAL_FAILURE(qualify());
    ASSERT_NO_FATAL_FAILURE(composeFinals());
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(p.path(kWorkingRaceFile), header));
    EXPECT_EQ(header.categories[0].finals, 7);
    TreeItems branch = finalsBranch(1, header.categories[0], HeatFlags{});
    std::vector<std::string> texts;
    for (const TreeItem& item : branch)
        texts.push_back(test::utf8(item.text.view()));
    EXPECT_EQ(texts, (std::vector<std::string>{"Remontées", "Paramètres", "Répartition", "1/8A",
                                               "1/8B", "1/4A", "1/4B", "1/2A", "1/2B", "Finale"}));

    // A 1/4 final is opened read-only while its 1/8 final is unrun: its qualifiers at places
    // 15, 17 ... 27 and three empty places for the 1/8 A final's best.
    loadFinal(p, 1, k4A);
    EXPECT_TRUE(p.loaded.readOnly);
    EXPECT_FALSE(p.run.ready);
    std::vector<std::string> expected = qualifiers({14, 16, 18, 20, 22, 24, 26});
    expected.resize(kCarCount, "(NA)");
    EXPECT_EQ(boardNames(), expected);

    // The deepest level holds what is left of the forty, every second place.
    ASSERT_NO_FATAL_FAILURE(runFinal(k8A));
    ASSERT_NO_FATAL_FAILURE(runFinal(k8B));
    EXPECT_EQ(finished[k8A].size(), 6u);
    EXPECT_EQ(finished[k8A].back().name, driverName(28));
    EXPECT_EQ(finished[k8B].back().name, driverName(29));
    EXPECT_EQ(state(k8A), 1);
    ASSERT_TRUE(readRaceHeader(p.path(kWorkingRaceFile), header));
    EXPECT_EQ(header.categories[0].finalsState, 2);

    // Once a final is stored the qualifying is frozen: a heat opens read-only and is not
    // written again.
    const std::string heat = body(heatTitle(1, 1, 1));
    loadQualifyingHeat(p, 1, 1, 1);
    EXPECT_TRUE(p.loaded.readOnly);
    p.slots[0].laps = 99;
    commitHeat(p);
    EXPECT_EQ(body(heatTitle(1, 1, 1)), heat);

    loadFinal(p, 1, k4A);
    EXPECT_FALSE(p.loaded.readOnly);
    expected = qualifiers({14, 16, 18, 20, 22, 24, 26});
    for (int i = 0; i < 3; ++i)
        expected.push_back(winner(k8A, i));
    expected.resize(kCarCount, "(NA)");
    EXPECT_EQ(boardNames(), expected);
    for (int f : {k4A, k4B})
        ASSERT_NO_FATAL_FAILURE(runFinal(f));
    EXPECT_EQ(state(k8A), 2);
    EXPECT_EQ(state(k8B), 2);
    EXPECT_EQ(state(k4A), 1);
    for (int f : {k2A, k2B})
        ASSERT_NO_FATAL_FAILURE(runFinal(f));

    // The Final: no direct qualifier with ten drivers and five from each 1/2 final; the 1st
    // of A, the 1st of B, the 2nd of A ...
    loadFinal(p, 1, kFinale);
    expected.clear();
    for (int i = 0; i < 5; ++i) {
        expected.push_back(winner(k2A, i));
        expected.push_back(winner(k2B, i));
    }
    expected.resize(kCarCount, "(NA)");
    EXPECT_EQ(boardNames(), expected);
    ASSERT_NO_FATAL_FAILURE(runFinal(kFinale));
    EXPECT_EQ(state(kFinale), 1);
    EXPECT_EQ(state(k2A), 2);
    EXPECT_EQ(state(k2B), 2);

    // A 1/2 final that fed the stored Final shows its results and is never rewritten.
    const std::string half = body(finalRunTitle(1, k2A));
    loadFinal(p, 1, k2A);
    EXPECT_TRUE(p.loaded.readOnly);
    EXPECT_TRUE(p.loaded.holdsResults);
    p.slots[0].laps = 77;
    commitHeat(p);
    EXPECT_EQ(body(finalRunTitle(1, k2A)), half);

    // The report: the Final, then each level's A and B finals interleaved by place from the
    // 1/2 finals down; a driver already ranked higher shows R. Nobody is left beyond the 40.
    ClosureReport report;
    ASSERT_TRUE(openClosureReport(p, 1, report));
    struct Expected {
        std::string name, level;
        int place;
        const Finisher* result;
    };
    std::vector<Expected> rows;
    for (int i = 0; i < 10; ++i)
        rows.push_back({winner(kFinale, i), "FIN", i + 1, &finished[kFinale][std::size_t(i)]});
    for (int level = 1; level <= 3; ++level) {
        const int a = 2 * level - 1;
        const int b = 2 * level;
        const std::string div = std::to_string(1 << level);
        for (std::size_t i = 0; i < kCarCount; ++i) {
            if (i < finished[a].size())
                rows.push_back(
                    {finished[a][i].name, "1/" + div + "A", int(i) + 1, &finished[a][i]});
            if (i < finished[b].size())
                rows.push_back(
                    {finished[b][i].name, "1/" + div + "B", int(i) + 1, &finished[b][i]});
        }
    }
    ASSERT_EQ(report.rows.size(), rows.size());
    // Every driver qualified in his number's place, with the points of his best round: 45 for
    // the first, then 43, 42, 41 ... one less a place.
    std::vector<std::string> ranked;
    int rank = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ClosureRow& row = report.rows[i];
        const Expected& e = rows[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(row.name.view(), e.name);
        const bool again = std::find(ranked.begin(), ranked.end(), e.name) != ranked.end();
        EXPECT_EQ(rankText(row), again ? "R" : std::to_string(++rank));
        ranked.push_back(e.name);
        EXPECT_EQ(test::utf8(levelText(row)), e.level);
        EXPECT_EQ(row.place, e.place);
        EXPECT_EQ(row.laps, e.result->laps);
        EXPECT_EQ(row.totalTime, e.result->total);
        const int q = driverOf(e.name);
        EXPECT_EQ(row.qualifyingPlace, q + 1);
        EXPECT_EQ(row.qualifyingPoints, q == 0 ? 45 : 44 - q);
    }
    EXPECT_EQ(rank, kDrivers);
    EXPECT_EQ(resultText(report.rows[0]), "4T en 1:16.000");
    EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.messages.front().text;
}

// The program goes away two laps into a final; started again, it offers the final back,
// rebuilds its laps from the decoder journal, and the final commits as if it had been run
// whole on one program.
TEST_F(FinalsScenario, aFinalInterruptedByACrashIsTakenBackFromTheJournalAndCommits) {
    ASSERT_NO_FATAL_FAILURE(qualify());
    ASSERT_NO_FATAL_FAILURE(composeFinals());
    openDayJournal(p);
    loadFinal(p, 1, k8A);
    ASSERT_TRUE(t.startAndRun());
    for (int lap = 1; lap <= 2; ++lap) {
        for (int slot = 0; slot < kCarCount && !p.slots[std::size_t(slot)].isEmptySlot(); ++slot) {
            const int d = driverOf(p.slots[std::size_t(slot)].name.view());
            t.serial.arrive(test::kt2Passing(transponder(d), lap * (19'000 + 100 * slot)));
            t.runTicks(10);
        }
    }
    t.runTicks(1000);
    ASSERT_TRUE(p.run.running);
    const CarSlots timed = p.slots;
    p.journal.close();

    Program again(Platform{t.clock, t.serial, t.sound, t.dialogs, t.screen}, t.folder.path());
    startUp(again);
    t.dialogs.answers = {Answer::Yes};
    TreeItems tree;
    ASSERT_TRUE(offerInterruptedRun(again, tree));
    ASSERT_EQ(t.dialogs.questions.size(), 1u);
    const std::string& question = t.dialogs.questions[0].text;
    EXPECT_EQ(question.rfind("La s\u00e9rie ", 0), 0u) << question;
    EXPECT_NE(question.find("1/8A a \u00e9t\u00e9 interrompue \u00e0 "), std::string::npos)
        << question;
    EXPECT_EQ(again.loaded.sectionTitle.view(), finalRunTitle(1, k8A));
    EXPECT_FALSE(again.run.inProgress());
    for (int slot = 0; slot < kCarCount; ++slot) {
        const CarSlot& a = timed[std::size_t(slot)];
        const CarSlot& b = again.slots[std::size_t(slot)];
        SCOPED_TRACE(slot);
        EXPECT_EQ(b.name.view(), a.name.view());
        EXPECT_EQ(b.laps, a.isEmptySlot() ? 0 : 2);
        EXPECT_EQ(b.laps, a.laps);
        EXPECT_EQ(b.cumulativeTimes, a.cumulativeTimes);
    }
    commitHeat(again);
    EXPECT_EQ(state(k8A), 1);
    StoredRun stored;
    SectionFile f(p.path(kWorkingRaceFile));
    ASSERT_TRUE(readStoredRun(f, finalRunTitle(1, k8A), stored));
    EXPECT_EQ(stored.cars[0].laps, 2);
    EXPECT_EQ(stored.cars[0].totalTime, timed[0].totalTime);
    again.journal.flush();
    const ReplayComparison comparison =
        compareWithRaceFile(journalRuns(recentJournalRecords(again.path(kJournalFolder))),
                            again.path(kWorkingRaceFile));
    EXPECT_EQ(comparison.runsCompared, 1)
        << "the final's commit closes the run of the first session";
    EXPECT_TRUE(comparison.lines.empty()) << comparison.lines.front();
}

} // namespace
} // namespace racedesk
