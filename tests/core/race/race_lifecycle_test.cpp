#include "core/common/cp1252.h"
#include "core/race/heat_flags.h"
#include "core/race/participants_section.h"
#include "core/race/race_lifecycle.h"
#include "core/race/track_section.h"
#include "race_tree_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace racedesk {
namespace {

// The race being worked on: two categories, the second with a round of one heat.
class RaceLifecycle : public test::RaceTreeFixture {
protected:
    void SetUp() override {
        RaceTreeFixture::SetUp();
        RaceHeader h = newRaceHeader();
        h.categoryCount = 2;
        h.categories[1].name = "Current";
        h.categories[1].rounds = 1;
        h.categories[1].heatsPerRound = 1;
        useHeader(h);
        p.run.circuitIndex = 4;
        p.track.raceName = "Current meeting";
        p.track.circuit = "Home";
        p.track.protectionSeconds = 9;
        currentRace = workingBytes();
    }

    // A race file elsewhere: three categories, drivers in the third, one heat stored, its
    // track on the circuit "Les Pins" with a protection time of 5 s.
    std::string writeOtherRace(const std::string& name) {
        const std::string path = t.folder.file(name);
        EXPECT_TRUE(createWorkingRaceFile(path));
        SectionFile file(path);
        RaceHeader h = newRaceHeader();
        h.selectedItem = 31001;
        h.categoryCount = 3;
        h.categories[1].name = "Buggy";
        h.categories[2].name = "Truggy";
        h.categories[2].participants = 2;
        h.categories[2].rounds = 2;
        h.categories[2].heatsPerRound = 1;
        EXPECT_EQ(writeRaceHeader(file, h), WriteStatus::Written);
        ParticipantTable drivers;
        drivers[0].name = "Ann";
        drivers[1].name = "Bob";
        EXPECT_EQ(writeParticipants(file, 3, drivers), WriteStatus::Written);
        HeatFlags flags;
        setHeatFlag(flags, 3, 2, 1, true);
        EXPECT_EQ(writeHeatFlags(file, flags), WriteStatus::Written);
        TrackSettings track;
        track.raceName = "Coupe";
        track.circuit = "Les Pins";
        track.protectionSeconds = 5;
        EXPECT_EQ(writeTrack(file, track), WriteStatus::Written);
        return path;
    }

    const TreeItem* item(int code) const {
        for (const TreeItem& i : tree) {
            if (i.code == code)
                return &i;
        }
        return nullptr;
    }

    void expectCurrentRaceKept() {
        EXPECT_EQ(workingBytes(), currentRace);
        EXPECT_EQ(p.header.categoryCount, 2);
        EXPECT_EQ(p.header.categories[1].name, "Current");
        EXPECT_EQ(p.run.circuitIndex, 4);
        EXPECT_EQ(p.track.raceName, "Current meeting");
        EXPECT_EQ(p.track.protectionSeconds, 9);
        EXPECT_TRUE(tree.empty());
    }

    std::string currentRace;
    TreeItems tree;
};

TEST_F(RaceLifecycle, newRaceCancelledChangesNothing) {
    t.dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(newRace(p, tree));
    ASSERT_EQ(t.dialogs.questions.size(), 1u);
    EXPECT_EQ(t.dialogs.questions[0].text, "Vous voulez commencer une nouvelle course!\n"
                                           "Souhaitez-vous sauvegarder la course en cours?");
    EXPECT_EQ(t.dialogs.questions[0].caption, "Attention");
    EXPECT_EQ(t.dialogs.questions[0].icon, Icon::Question);
    expectCurrentRaceKept();
    EXPECT_TRUE(t.dialogs.fileFilters.empty());
}

TEST_F(RaceLifecycle, newRaceWithoutSavingStartsAnUntitledRaceOfOneCategory) {
    p.userRaceFile = t.folder.file("old.race");
    t.dialogs.answers = {Answer::No};
    ASSERT_TRUE(newRace(p, tree));
    EXPECT_FALSE(t.folder.exists("old.race")) << "nothing saved";
    EXPECT_EQ(workingBytes(), newRaceFileBytes());
    EXPECT_EQ(t.screen.title, "Tarvolin");
    EXPECT_FALSE(t.screen.titled);
    EXPECT_TRUE(p.userRaceFile.empty());
    EXPECT_EQ(p.header.categoryCount, 1);
    EXPECT_EQ(p.run.circuitIndex, kNoCircuit);
    EXPECT_TRUE(p.track.raceName.empty());
    EXPECT_TRUE(p.track.circuit.empty());
    EXPECT_EQ(p.track.protectionSeconds, 2);
    ASSERT_EQ(tree.size(), 11u);
    EXPECT_EQ(tree[1].text, "CATEGORIE 1");
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(RaceLifecycle, newRaceSavedOnAnUntitledRaceAsksForANameFirst) {
    t.dialogs.answers = {Answer::Yes};
    t.dialogs.files = {t.folder.file("meeting")};
    ASSERT_TRUE(newRace(p, tree));
    EXPECT_EQ(t.folder.read("meeting.race"), currentRace);
    EXPECT_EQ(t.dialogs.fileFilters,
              std::vector<std::string>{"Fichier course|*.race|" + t.folder.path()});
    EXPECT_EQ(workingBytes(), newRaceFileBytes());
    EXPECT_TRUE(p.userRaceFile.empty()) << "the new race is untitled";
    EXPECT_EQ(t.screen.title, "Tarvolin");
}

TEST_F(RaceLifecycle, newRaceSavedOnATitledRaceSavesWithoutAsking) {
    p.userRaceFile = t.folder.file("mine.race");
    t.dialogs.answers = {Answer::Yes};
    ASSERT_TRUE(newRace(p, tree));
    EXPECT_EQ(t.folder.read("mine.race"), currentRace);
    EXPECT_TRUE(t.dialogs.fileFilters.empty());
}

TEST_F(RaceLifecycle, aCancelledSaveCancelsTheNewRace) {
    t.dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(newRace(p, tree)); // the save dialog is cancelled: no file given
    EXPECT_EQ(t.dialogs.fileFilters.size(), 1u);
    expectCurrentRaceKept();
    EXPECT_TRUE(p.userRaceFile.empty());
}

TEST_F(RaceLifecycle, loadReadsTheRaceItsTrackAndBuildsItsTree) {
    const std::string other = writeOtherRace("other.race");
    const std::string otherBytes = t.folder.read("other.race");
    p.circuits[3].name = "Les Pins";
    p.circuits[7].name = "Les Pins";
    p.circuits[9].name = "Autre";
    t.dialogs.files = {other};
    t.dialogs.answers = {Answer::No};
    ASSERT_TRUE(loadRace(p, tree));

    EXPECT_EQ(t.dialogs.fileFilters,
              std::vector<std::string>{"Fichier course|*.race|" + t.folder.path()});
    ASSERT_EQ(t.dialogs.questions.size(), 1u);
    EXPECT_EQ(t.dialogs.questions[0].text, "Souhaitez-vous sauvegarder la course en cours?");
    EXPECT_EQ(t.dialogs.questions[0].caption, "Attention");
    EXPECT_EQ(workingBytes(), otherBytes);
    EXPECT_EQ(p.userRaceFile, other);
    EXPECT_EQ(test::utf8(t.screen.title), "Tarvolin:   " + other);
    EXPECT_TRUE(t.screen.titled);
    EXPECT_EQ(p.header.categoryCount, 3);
    EXPECT_EQ(p.header.selectedItem, 31001);
    EXPECT_EQ(p.run.circuitIndex, 7) << "the last circuit of that name";
    EXPECT_EQ(p.track.raceName, "Coupe");
    EXPECT_EQ(p.track.circuit, "Les Pins");
    EXPECT_EQ(p.track.protectionSeconds, 5);
    ASSERT_NE(item(31002), nullptr);
    EXPECT_EQ(item(31002)->text, "Bob");
    EXPECT_EQ(item(31000)->text, "Pilotes (2)");
    EXPECT_EQ(item(33201)->image, TreeImage::RunStored);
    EXPECT_EQ(item(33101)->image, TreeImage::RunEmpty);
    EXPECT_EQ(item(20000)->text, "Buggy");
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(RaceLifecycle, aLoadedRaceOnAnUnknownCircuitHasNone) {
    t.dialogs.files = {writeOtherRace("other.race")};
    t.dialogs.answers = {Answer::No};
    p.circuits[0].name = "Ailleurs";
    ASSERT_TRUE(loadRace(p, tree));
    EXPECT_EQ(p.run.circuitIndex, kNoCircuit);
}

TEST_F(RaceLifecycle, loadCancelledAsksNothingElse) {
    EXPECT_FALSE(loadRace(p, tree));
    EXPECT_TRUE(t.dialogs.questions.empty());
    expectCurrentRaceKept();
}

TEST_F(RaceLifecycle, loadSavedOnAnUntitledRaceShowsTheSaveDialogBeforeLoading) {
    const std::string other = writeOtherRace("other.race");
    t.dialogs.files = {other, t.folder.file("kept.race")};
    t.dialogs.answers = {Answer::Yes};
    ASSERT_TRUE(loadRace(p, tree));
    EXPECT_EQ(t.dialogs.fileFilters.size(), 2u);
    EXPECT_EQ(t.folder.read("kept.race"), currentRace);
    EXPECT_EQ(p.userRaceFile, other);
}

TEST_F(RaceLifecycle, aCancelledSaveCancelsTheLoad) {
    p.userRaceFile.clear();
    t.dialogs.files = {writeOtherRace("other.race")};
    t.dialogs.answers = {Answer::Yes};
    EXPECT_FALSE(loadRace(p, tree));
    expectCurrentRaceKept();
    EXPECT_TRUE(p.userRaceFile.empty());
}

TEST_F(RaceLifecycle, aFileThatCannotBeReadKeepsTheCurrentRaceTitleAndFile) {
    p.userRaceFile = t.folder.file("mine.race");
    t.screen.title = "Tarvolin:   mine";
    t.dialogs.files = {t.folder.file("gone.race")};
    EXPECT_FALSE(loadRace(p, tree));
    EXPECT_EQ(messages(), std::vector<std::string>{"Erreur: la course n'a pas pu être chargée "
                                                   "depuis le fichier\n" +
                                                   t.folder.file("gone.race")});
    EXPECT_TRUE(t.dialogs.questions.empty()) << "nothing to load: no reason to save";
    expectCurrentRaceKept();
    EXPECT_EQ(p.userRaceFile, t.folder.file("mine.race"));
    EXPECT_EQ(t.screen.title, "Tarvolin:   mine");
}

TEST_F(RaceLifecycle, aWorkingFileThatCannotBeReplacedKeepsTheCurrentRace) {
    t.dialogs.files = {writeOtherRace("other.race")};
    t.dialogs.answers = {Answer::No};
    // The working file's place taken by a folder that is not empty: nothing can be renamed
    // over it.
    std::filesystem::remove(workingFile());
    std::filesystem::create_directories(workingFile() + "/inside");
    EXPECT_FALSE(loadRace(p, tree));
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(p.header.categories[1].name, "Current");
    EXPECT_TRUE(p.userRaceFile.empty());
    EXPECT_TRUE(t.screen.title.empty()) << "the title never changed";
    EXPECT_TRUE(tree.empty());
}

TEST_F(RaceLifecycle, saveAsAppendsTheExtensionUnlessTheNameHoldsIt) {
    t.dialogs.files = {t.folder.file("final"), t.folder.file("copy.race.old")};
    ASSERT_TRUE(saveRaceAs(p));
    EXPECT_EQ(p.userRaceFile, t.folder.file("final.race"));
    EXPECT_EQ(t.folder.read("final.race"), currentRace);
    EXPECT_EQ(test::utf8(t.screen.title), "Tarvolin:   " + t.folder.file("final.race"));
    EXPECT_TRUE(t.screen.titled);
    ASSERT_TRUE(saveRaceAs(p));
    EXPECT_EQ(p.userRaceFile, t.folder.file("copy.race.old"));
    EXPECT_EQ(t.folder.read("copy.race.old"), currentRace);
}

TEST_F(RaceLifecycle, saveAsCancelledKeepsTheRaceUntitled) {
    EXPECT_FALSE(saveRaceAs(p));
    EXPECT_TRUE(p.userRaceFile.empty());
    EXPECT_FALSE(t.screen.titled);
}

TEST_F(RaceLifecycle, saveWorksOnlyOnATitledRace) {
    EXPECT_FALSE(saveRace(p));
    EXPECT_TRUE(t.dialogs.fileFilters.empty());
    p.userRaceFile = t.folder.file("mine.race");
    EXPECT_TRUE(saveRace(p));
    EXPECT_EQ(t.folder.read("mine.race"), currentRace);
}

} // namespace
} // namespace racedesk
