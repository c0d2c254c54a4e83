#include "core/timing/frequency_conflict.h"

#include "core/timing/run_engine.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

struct Conflict : ::testing::Test {
    CarSlots slots;
    ParticipantTable participants;
    void SetUp() override { emptySlots(slots); }
    void driver(int slot, int place, const char* name, const char* frequency) {
        slots[std::size_t(slot)].name = name;
        participants[std::size_t(place)].name = name;
        participants[std::size_t(place)].frequencies[0] = frequency;
    }
};

TEST_F(Conflict, twoDriversOfTheRunOnOneFrequencyConflict) {
    driver(0, 0, "Alice", "27.145");
    driver(1, 5, "Bob", "27.145");
    EXPECT_FALSE(frequencyConflictText(slots, participants).empty());
}

TEST_F(Conflict, spreadSpectrumAndEmptyFrequenciesNeverConflict) {
    driver(0, 0, "Alice", "2.4Ghz");
    driver(1, 1, "Bob", "2.4Ghz");
    driver(2, 2, "Carol", "");
    driver(3, 3, "Dan", "");
    EXPECT_EQ(frequencyConflictText(slots, participants), "");
}

TEST_F(Conflict, aDriverOutOfTheRunDoesNotCount) {
    driver(0, 0, "Alice", "40.665");
    participants[9].name = "Eve";
    participants[9].frequencies[0] = "40.665";
    EXPECT_EQ(frequencyConflictText(slots, participants), "");
}

TEST_F(Conflict, theLastEntryOfANameGivesItsReference) {
    driver(0, 0, "Alice", "40.665");
    driver(1, 1, "Bob", "41.000");
    participants[7].name = "Alice";
    participants[7].frequencies[0] = "41.000";
    EXPECT_FALSE(frequencyConflictText(slots, participants).empty());
}

TEST_F(Conflict, theBannerNamesEachSharedFrequencyWithTheDriversWhoShareIt) {
    EXPECT_EQ(frequencyConflictText(slots, participants), "");
    driver(0, 0, "Alice", "27.145");
    driver(1, 1, "Bob", "40.665");
    driver(2, 2, "Carol", "27.145");
    driver(3, 3, "Dan", "2.4Ghz");
    driver(4, 4, "Eve", "2.4Ghz");
    EXPECT_EQ(frequencyConflictText(slots, participants), "Conflit radio : 27.145 (Alice, Carol)");
    driver(5, 5, "Fred", "40.665");
    driver(6, 6, "Gina", "27.145");
    EXPECT_EQ(frequencyConflictText(slots, participants),
              "Conflit radio : 27.145 (Alice, Carol, Gina), 40.665 (Bob, Fred)");
}

} // namespace
} // namespace racedesk
