#pragma once
#include "classification_entries.h"
#include "core/race/heat_composition_section.h"
#include "core/race/participants_section.h"
#include "core/race/race_header.h"
#include "core/race/section_file.h"
#include "core/race/section_titles.h"
#include "core/race/track_section.h"
#include "core/race/working_race_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace racedesk::test {

// A race file holding category 1, "Buggy 1/8", of the race "Grand Prix" on "Circuit des Pins",
// written section by section as the program would have left it.

// A stored round classification's line, as a test writes it.
struct RoundLine {
    std::string name;
    int points = 0;
    int laps = 0;
    RaceTime total = 0;
    RaceTime best = 0;
};

// The participants in list order, `rounds` rounds of `heats` heats, qualifying started; the
// composition with N drivers per heat unless told otherwise.
inline void makeClassificationRace(const std::string& path, const std::vector<std::string>& names,
                                   int driversPerHeat, int rounds, int heats,
                                   bool withComposition = true) {
    ASSERT_TRUE(createWorkingRaceFile(path));
    RaceHeader header = newRaceHeader();
    CategoryEntry& entry = header.categories[0];
    entry.name = "Buggy 1/8";
    entry.participants = int(names.size());
    entry.qualifyingStarted = 1;
    entry.rounds = rounds;
    entry.heatsPerRound = heats;
    SectionFile f(path);
    ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
    TrackSettings track;
    track.raceName = "Grand Prix";
    track.circuit = "Circuit des Pins";
    ASSERT_EQ(writeTrack(f, track), WriteStatus::Written);
    auto table = std::make_unique<ParticipantTable>();
    for (std::size_t i = 0; i < names.size(); ++i)
        (*table)[i].name = names[i];
    ASSERT_EQ(writeParticipants(f, 1, *table), WriteStatus::Written);
    if (!withComposition)
        return;
    auto composition = std::make_unique<HeatComposition>();
    composition->driversPerHeat = driversPerHeat;
    composition->rounds = rounds;
    ASSERT_EQ(writeHeatComposition(f, 1, *composition), WriteStatus::Written);
}

inline void setCategoryState(const std::string& path, int qualifyingStarted, int finalsState) {
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(path, header));
    header.categories[0].qualifyingStarted = qualifyingStarted;
    header.categories[0].finalsState = finalsState;
    ASSERT_EQ(writeRaceHeader(path, header), WriteStatus::Written);
}

// The heat's car lines in slot order; the other slots empty.
inline void storeHeat(const std::string& path, int round, int heat, const std::vector<Result>& cars,
                      int driversPerHeat) {
    auto run = std::make_unique<StoredRun>();
    for (std::size_t i = 0; i < cars.size(); ++i) {
        HeatRecordLine& car = run->cars[i];
        car.name = cars[i].name;
        car.laps = cars[i].laps;
        car.totalTime = cars[i].total;
        car.bestLap = cars[i].best;
    }
    SectionFile f(path);
    ASSERT_EQ(writeStoredRun(f, heatTitle(1, round, heat), driversPerHeat, *run),
              WriteStatus::Written);
}

inline void storeRound(const std::string& path, int round, const std::vector<RoundLine>& lines,
                       int participants) {
    std::vector<Result> results;
    for (const RoundLine& l : lines)
        results.push_back({l.name, l.laps, l.total, l.best});
    auto classification = roundOf(results);
    classification->scale = defaultPointsScale(participants);
    for (std::size_t i = 0; i < lines.size(); ++i)
        classification->entries[i].points = lines[i].points;
    SectionFile f(path);
    ASSERT_EQ(writeRoundClassification(f, 1, round, participants, *classification),
              WriteStatus::Written);
}

// The same on the working race file of a program on fakes.
class ClassificationRace : public ::testing::Test {
protected:
    std::string file() const { return t.program.path(kWorkingRaceFile); }
    std::string bytes() const { return t.folder.read("Private/Course.race"); }

    void makeRace(const std::vector<std::string>& names, int driversPerHeat, int rounds, int heats,
                  bool withComposition = true) {
        makeClassificationRace(file(), names, driversPerHeat, rounds, heats, withComposition);
    }
    void setCategoryState(int qualifyingStarted, int finalsState) {
        test::setCategoryState(file(), qualifyingStarted, finalsState);
    }
    void storeHeat(int round, int heat, const std::vector<Result>& cars, int driversPerHeat) {
        test::storeHeat(file(), round, heat, cars, driversPerHeat);
    }
    void storeRound(int round, const std::vector<RoundLine>& lines, int participants) {
        test::storeRound(file(), round, lines, participants);
    }

    RaceHeader fileHeader() const {
        RaceHeader header;
        EXPECT_TRUE(readRaceHeader(file(), header));
        return header;
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& shown : t.dialogs.messages)
            texts.push_back(shown.text);
        return texts;
    }

    TestProgram t;
};

} // namespace racedesk::test
