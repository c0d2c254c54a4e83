// A whole qualifying through the core functions: the heats composed, every heat of three
// rounds run with scripted decoder passings and stored, each round classified, then the
// category; the classification sections checked byte for byte against their layouts.
#include "core/qualifying/classification_storage.h"
#include "core/qualifying/heat_composition_rules.h"
#include "core/qualifying/overall_classification.h"
#include "core/qualifying/starting_grid_rules.h"
#include "core/race/classification_sections.h"
#include "core/race/heat_storage.h"
#include "core/race/participants_section.h"
#include "core/race/section_file.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace racedesk {
namespace {

using test::TestProgram;

constexpr int kDrivers = 8;
constexpr int kPerHeat = 4;
constexpr int kRounds = 3;

std::string driverName(int d) {
    return std::string("Pilote ") + char('A' + d);
}
int transponder(int d) {
    return 3001 + d;
}
// Each round orders the drivers differently: every lap of driver d in round r takes this long.
RaceTime lapTime(int d, int r) {
    return 19'000 + 100 * ((d + 3 * r) % kDrivers);
}

struct QualifyingScenario : ::testing::Test {
    TestProgram t;
    Program& p = t.program;

    void SetUp() override {
        t.connectKt2();
        ASSERT_TRUE(createWorkingRaceFile(p.path(kWorkingRaceFile)));
        SectionFile f(p.path(kWorkingRaceFile));
        RaceHeader header = newRaceHeader();
        header.categories[0].participants = kDrivers;
        ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
        ParticipantTable participants;
        HeatComposition composition;
        for (int d = 0; d < kDrivers; ++d) {
            participants[std::size_t(d)].name = driverName(d);
            char text[8];
            std::snprintf(text, sizeof text, "%06d", transponder(d));
            participants[std::size_t(d)].transponder = text;
            composition.places[std::size_t(d)] = driverName(d);
        }
        ASSERT_EQ(writeParticipants(f, 1, participants), WriteStatus::Written);
        ASSERT_EQ(writeHeatComposition(f, 1, composition), WriteStatus::Written);
    }

    void compose() {
        CompositionDialog d = openCompositionDialog(p, 1);
        setDriversPerHeat(p, d, kPerHeat);
        setRounds(p, d, kRounds);
        ASSERT_EQ(generateComposition(p, d), GenerateOutcome::Written);
        ASSERT_TRUE(validateGrids(p, openGridsDialog(p, 1)));
    }

    // A one-minute heat: every car crosses the line four times at its pace, the run stops
    // once every car has crossed after the minute.
    void runHeat(int round, int heat) {
        loadQualifyingHeat(p, 1, round, heat);
        ASSERT_TRUE(p.run.ready) << round << "/" << heat;
        ASSERT_TRUE(t.startAndRun());
        struct Crossing {
            std::int64_t at;
            int driver;
        };
        std::vector<Crossing> crossings;
        for (int slot = 0; slot < kPerHeat; ++slot) {
            const std::string name(p.slots[std::size_t(slot)].name.view());
            const int d = name.back() - 'A';
            for (int lap = 1; lap <= 4; ++lap)
                crossings.push_back({std::int64_t(lap) * lapTime(d, round), d});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.at < b.at; });
        for (const Crossing& c : crossings) {
            t.serial.arrive(test::kt2Passing(transponder(c.driver), c.at));
            t.runTicks(10);
        }
        ASSERT_FALSE(p.run.running) << "every car finished its lap after the minute";
        commitHeat(p);
    }

    std::string body(const std::string& title) {
        SectionFile f(p.path(kWorkingRaceFile));
        return std::string(f.body(title).value_or(""));
    }
};

TEST_F(QualifyingScenario, threeRoundsRunClassifiedRoundByRoundAndOverall) {
    compose();
    for (int r = 1; r <= kRounds; ++r) {
        for (int h = 1; h <= kDrivers / kPerHeat; ++h)
            runHeat(r, h);
        RoundClassificationState round;
        ASSERT_TRUE(openRoundClassification(p, 1, r, round));
        ASSERT_TRUE(confirmRoundClassification(p, round));

        // Every driver did four laps: the round's order is the order of their paces.
        std::string expected = "CLASSEMENTToursTemps\t13\t2\t1\t1\t1\t1\t\r\n";
        const int points[kDrivers] = {13, 11, 10, 9, 8, 7, 6, 5};
        for (int place = 0; place < kDrivers; ++place) {
            int d = 0;
            while ((d + 3 * r) % kDrivers != place)
                ++d;
            const RaceTime lap = lapTime(d, r);
            expected += driverName(d) + "\t4\t" + std::to_string(4 * lap) + "\t" +
                        std::to_string(lap) + "\t" + std::to_string(points[place]) + "\t\r\n";
        }
        const std::string stored = body(roundClassificationTitle(1, r));
        ASSERT_EQ(stored.substr(0, expected.size()), expected) << "round " << r;
        EXPECT_EQ(stored.size(), std::size_t(2 * (35 * kDrivers + 24) + 2));
    }

    OverallClassificationState overall;
    ASSERT_TRUE(openOverallClassification(p, 1, overall));
    setBestRounds(overall.standing, 2);
    ASSERT_TRUE(confirmOverallClassification(p, overall));
    // Points of driver d in round r: the scale at place (d + 3r) mod 8. With the two best
    // rounds counted, ties fall to the best round, then the next.
    const int scale[kDrivers] = {13, 11, 10, 9, 8, 7, 6, 5};
    std::vector<std::pair<std::vector<int>, int>> ranked;
    for (int d = 0; d < kDrivers; ++d) {
        std::vector<int> rounds;
        for (int r = 1; r <= kRounds; ++r)
            rounds.push_back(scale[(d + 3 * r) % kDrivers]);
        std::sort(rounds.rbegin(), rounds.rend());
        ranked.push_back({{rounds[0] + rounds[1], rounds[0], rounds[1], rounds[2]}, d});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::string expected = "CLASSEMENTToursTemps\t2\t\r\n";
    for (const auto& [keys, d] : ranked)
        expected += driverName(d) + "\t\r\n";
    const std::string stored = body(overallClassificationTitle(1));
    EXPECT_EQ(stored.substr(0, expected.size()), expected);
    EXPECT_EQ(stored.size(), std::size_t(2 * (22 * kDrivers + 15) + 2));

    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(p.path(kWorkingRaceFile), header));
    EXPECT_EQ(header.categories[0].finalsState, 1);
    EXPECT_EQ(header.categories[0].qualifyingStarted, 1);
    EXPECT_TRUE(t.dialogs.messages.empty()) << t.dialogs.messages.front().text;
}

} // namespace
} // namespace racedesk
