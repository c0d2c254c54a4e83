#pragma once
#include "core/race/heat_composition_section.h"
#include "core/race/participants_section.h"
#include "core/race/race_header.h"
#include "core/race/section_file.h"
#include "core/race/section_titles.h"
#include "core/race/starting_grids_section.h"
#include "core/race/track_section.h"
#include "core/race/working_race_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace racedesk::test {

// A driver of the category as the participants list holds him.
struct Entrant {
    std::string name;
    std::string transponder;
    std::string frequency; // the first of his five
};

// A program whose working race file holds category 1, "Buggy 1/8", with the given entrants in
// the participants list and, in the same order, in the composition.
class CompositionFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(createWorkingRaceFile(file())); }

    std::string file() const { return p.path(kWorkingRaceFile); }

    // Drivers "Driver 1" ... "Driver <count>", transponders 100001 ..., no frequency.
    static std::vector<Entrant> drivers(int count) {
        std::vector<Entrant> list;
        for (int i = 1; i <= count; ++i)
            list.push_back({"Driver " + std::to_string(i), std::to_string(100000 + i), ""});
        return list;
    }

    void makeRace(const std::vector<Entrant>& entrants, int driversPerHeat, int rounds,
                  bool withComposition = true) {
        RaceHeader header = newRaceHeader();
        CategoryEntry& entry = header.categories[0];
        entry.name = "Buggy 1/8";
        entry.participants = int(entrants.size());
        SectionFile f(file());
        ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
        TrackSettings track;
        track.raceName = "Grand Prix";
        track.circuit = "Circuit des Pins";
        ASSERT_EQ(writeTrack(f, track), WriteStatus::Written);
        ParticipantTable table;
        HeatComposition composition;
        composition.driversPerHeat = driversPerHeat;
        composition.rounds = rounds;
        for (std::size_t i = 0; i < entrants.size(); ++i) {
            table[i].name = entrants[i].name;
            table[i].transponder = entrants[i].transponder;
            table[i].frequencies[0] = entrants[i].frequency;
            table[i].frequencies[1] = "F2-" + std::to_string(i);
            table[i].frequencies[4] = "F5-" + std::to_string(i);
            composition.places[i] = entrants[i].name;
        }
        ASSERT_EQ(writeParticipants(f, 1, table), WriteStatus::Written);
        if (withComposition) {
            ASSERT_EQ(writeHeatComposition(f, 1, composition), WriteStatus::Written);
        }
    }

    void setCategory(int rounds, int heats, int qualifyingStarted = 0, int finalsState = 0) {
        RaceHeader header;
        ASSERT_TRUE(readRaceHeader(file(), header));
        CategoryEntry& entry = header.categories[0];
        entry.rounds = rounds;
        entry.heatsPerRound = heats;
        entry.qualifyingStarted = qualifyingStarted;
        entry.finalsState = finalsState;
        ASSERT_EQ(writeRaceHeader(file(), header), WriteStatus::Written);
    }

    // Results stored for heat `heat` of round `round` of category 1: its section exists.
    void storeHeat(int round, int heat) {
        SectionFile f(file());
        ASSERT_EQ(f.write(heatTitle(1, round, heat), 10, "x\t\r\n"), WriteStatus::Written);
    }

    RaceHeader fileHeader() const {
        RaceHeader header;
        EXPECT_TRUE(readRaceHeader(file(), header));
        return header;
    }
    HeatComposition fileComposition() {
        SectionFile f(file());
        HeatComposition composition;
        EXPECT_TRUE(readHeatComposition(f, 1, composition));
        return composition;
    }
    StartingGrids fileGrids() {
        SectionFile f(file());
        StartingGrids grids;
        readStartingGrids(f, 1, grids);
        return grids;
    }
    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const auto& m : t.dialogs.messages)
            texts.push_back(m.text);
        return texts;
    }

    TestProgram t;
    Program& p = t.program;
};

} // namespace racedesk::test
