#include "core/app/working_folder.h"
#include "core/databases/circuits.h"
#include "core/databases/drivers.h"
#include "core/databases/transponder_packs.h"
#include "core/race/heat_storage.h"
#include "core/race/race_lifecycle.h"
#include "core/race/race_tree.h"
#include "core/race/working_race_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace racedesk {
namespace {

using test::TestProgram;

// A new working folder with the sample, as a newcomer's first start leaves it.
struct SampleMeeting : ::testing::Test {
    TestProgram t;
    Program& p = t.program;
    void SetUp() override {
        std::filesystem::create_directories(t.folder.path() + "/share");
        std::filesystem::create_symlink(RACEDESK_SAMPLE_DIR, t.folder.path() + "/share/sample");
        installShippedDefaults(t.folder.path() + "/share", t.folder.path(), SpokenLanguage::French);
        ASSERT_TRUE(t.folder.exists("Exemple.race"));
        ASSERT_TRUE(createWorkingRaceFile(p.path(kWorkingRaceFile)));
        ASSERT_TRUE(readDrivers(p.path(kDriversFile), drivers));
        ASSERT_TRUE(readCircuits(p.path(kCircuitsFile), p.circuits)); // as start-up does
    }
    DriverTable drivers;
};

TEST_F(SampleMeeting, loadsAsARaceOfTwoCategoriesOfTwelveDriversInThreeRounds) {
    t.dialogs.files = {t.folder.file("Exemple.race")};
    t.dialogs.answers = {Answer::No};
    TreeItems tree;
    ASSERT_TRUE(loadRace(p, tree));
    EXPECT_TRUE(t.dialogs.messages.empty());
    ASSERT_EQ(p.header.categoryCount, 2);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(p.header.categories[std::size_t(k)].participants, 12);
        EXPECT_EQ(p.header.categories[std::size_t(k)].rounds, 3);
        EXPECT_EQ(p.header.categories[std::size_t(k)].heatsPerRound, 2);
    }
    EXPECT_EQ(p.track.circuit.view(), "Circuit des Pins");
    EXPECT_EQ(p.run.circuitIndex, 0) << "the sample's circuit is in the shipped circuits";
}

TEST_F(SampleMeeting, everyHeatHasSixDriversWithTranspondersTheDecoderCanSend) {
    t.dialogs.files = {t.folder.file("Exemple.race")};
    t.dialogs.answers = {Answer::No};
    TreeItems tree;
    ASSERT_TRUE(loadRace(p, tree));
    std::set<std::string> seen;
    for (int k = 1; k <= 2; ++k) {
        for (int r = 1; r <= 3; ++r) {
            for (int h = 1; h <= 2; ++h) {
                loadQualifyingHeat(p, k, r, h);
                ASSERT_TRUE(p.run.ready);
                for (int i = 0; i < 6; ++i) {
                    const CarSlot& s = p.slots[std::size_t(i)];
                    ASSERT_FALSE(s.isEmptySlot());
                    ASSERT_EQ(s.transponder.size(), 6u);
                    EXPECT_LE(std::stoi(std::string(s.transponder.view())), 65535);
                    seen.insert(std::string(s.name.view()));
                }
                EXPECT_TRUE(p.slots[6].isEmptySlot());
            }
        }
    }
    EXPECT_EQ(seen.size(), 24u);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(SampleMeeting, theDriversDatabaseHoldsEveryParticipantWithHisTransponder) {
    int listed = 0;
    for (const DriverRecord& d : drivers)
        listed += d.name.empty() ? 0 : 1;
    EXPECT_EQ(listed, 24);
    TransponderPackTable packs;
    ASSERT_TRUE(readTransponderPacks(p.path(kTransponderPacksFile), packs));
    EXPECT_EQ(packs[0].name.view(), "CLUB");
}

// The drivers of each category of a loaded sample, in their places.
std::vector<std::string> participantsOf(Program& p) {
    std::vector<std::string> names;
    for (int k = 1; k <= p.header.categoryCount; ++k) {
        loadQualifyingHeat(p, k, 1, 1);
        for (const CarSlot& s : p.slots)
            names.emplace_back(s.name.view());
    }
    return names;
}

TEST(EnglishSample, aNewEnglishWorkingFolderGetsTheSampleWithEnglishNamesAndTheSameDrivers) {
    TestProgram french;
    std::filesystem::create_directories(french.folder.path() + "/share");
    std::filesystem::create_symlink(RACEDESK_SAMPLE_DIR, french.folder.path() + "/share/sample");
    TestProgram english;
    std::filesystem::create_directories(english.folder.path() + "/share");
    std::filesystem::create_symlink(RACEDESK_SAMPLE_DIR, english.folder.path() + "/share/sample");
    installShippedDefaults(english.folder.path() + "/share", english.folder.path(),
                           SpokenLanguage::English);
    installShippedDefaults(french.folder.path() + "/share", french.folder.path(),
                           SpokenLanguage::French);
    ASSERT_TRUE(english.folder.exists("Example.race"));
    EXPECT_FALSE(english.folder.exists("Exemple.race")) << "one sample, in the program's language";
    EXPECT_FALSE(french.folder.exists("Example.race"));

    std::vector<std::string> names[2];
    TestProgram* programs[2] = {&french, &english};
    for (int i = 0; i < 2; ++i) {
        Program& p = programs[i]->program;
        ASSERT_TRUE(createWorkingRaceFile(p.path(kWorkingRaceFile)));
        programs[i]->dialogs.files = {
            programs[i]->folder.file(i == 0 ? "Exemple.race" : "Example.race")};
        programs[i]->dialogs.answers = {Answer::No};
        TreeItems tree;
        ASSERT_TRUE(loadRace(p, tree));
        names[i] = participantsOf(p);
    }
    const RaceHeader& header = english.program.header;
    ASSERT_EQ(header.categoryCount, 2);
    EXPECT_EQ(header.categories[0].name.view(), "Touring car 1/10 electric");
    EXPECT_EQ(header.categories[1].name.view(), "Buggy 1/8 nitro");
    EXPECT_EQ(english.program.track.raceName.view(), "Winter Cup 2027");
    EXPECT_EQ(names[1], names[0]) << "the same drivers in the same heats";
    EXPECT_EQ(english.program.track.circuit.view(), "Circuit des Pins");
}

} // namespace
} // namespace racedesk
