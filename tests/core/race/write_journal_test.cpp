#include "core/race/section_file.h"
#include "core/race/working_race_file.h"
#include "core/race/write_journal.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

// A file whose area "BBBB" a killed writer was replacing with "XXXX".
class InterruptedWrite : public ::testing::Test {
protected:
    void SetUp() override { folder.write("r.race", "AAAA\r\nBBBB\r\nCCCC\r\n"); }
    std::string path() const { return folder.file("r.race"); }
    std::string journal() const { return folder.read("r.race.journal"); }
    bool journalLeft() const { return folder.exists("r.race.journal"); }

    test::TempFolder folder;
};

TEST_F(InterruptedWrite, aWriteKilledHalfWayIsMadeWholeWhenTheFileIsNextOpened) {
    ASSERT_TRUE(writeJournal(path(), 6, "XXXX"));
    folder.write("r.race", "AAAA\r\nXXBB\r\nCCCC\r\n"); // the write in place cut after two bytes
    SectionFile reopened(path());
    EXPECT_EQ(reopened.contents(), "AAAA\r\nXXXX\r\nCCCC\r\n");
    EXPECT_FALSE(journalLeft());
}

TEST_F(InterruptedWrite, aWriteFinishedButNotYetForgottenIsMadeAgainHarmlessly) {
    ASSERT_TRUE(writeJournal(path(), 6, "XXXX"));
    folder.write("r.race", "AAAA\r\nXXXX\r\nCCCC\r\n");
    finishInterruptedWrite(path());
    EXPECT_EQ(folder.read("r.race"), "AAAA\r\nXXXX\r\nCCCC\r\n");
    EXPECT_FALSE(journalLeft());
}

TEST_F(InterruptedWrite, aWholeJournalWhoseWriteStartsPastTheEndIsDropped) {
    ASSERT_TRUE(writeJournal(path(), 1'000'000'000, "XXXX")); // no writer appends past the end
    finishInterruptedWrite(path());
    EXPECT_EQ(folder.read("r.race"), "AAAA\r\nBBBB\r\nCCCC\r\n") << "no hole of zeros";
    EXPECT_FALSE(journalLeft());
    ASSERT_TRUE(writeJournal(path(), 18, "DDDD\r\n")); // at the end: an append
    finishInterruptedWrite(path());
    EXPECT_EQ(folder.read("r.race"), "AAAA\r\nBBBB\r\nCCCC\r\nDDDD\r\n");
}

TEST_F(InterruptedWrite, aJournalCutShortIsDroppedAndTheFileStaysAsBefore) {
    ASSERT_TRUE(writeJournal(path(), 6, "XXXX"));
    const std::string whole = journal();
    for (std::size_t cut : {std::size_t{0}, std::size_t{3}, whole.size() / 2, whole.size() - 1}) {
        folder.write("r.race.journal", whole.substr(0, cut));
        finishInterruptedWrite(path());
        EXPECT_EQ(folder.read("r.race"), "AAAA\r\nBBBB\r\nCCCC\r\n") << "cut at " << cut;
        EXPECT_FALSE(journalLeft()) << "cut at " << cut;
    }
}

TEST_F(InterruptedWrite, aDamagedJournalIsNeverWrittenIntoTheFile) {
    ASSERT_TRUE(writeJournal(path(), 6, "XXXX"));
    std::string damaged = journal();
    damaged[damaged.size() / 2] ^= 0x20;
    folder.write("r.race.journal", damaged);
    finishInterruptedWrite(path());
    EXPECT_EQ(folder.read("r.race"), "AAAA\r\nBBBB\r\nCCCC\r\n");
}

TEST_F(InterruptedWrite, aSectionWriteLeavesNoJournalBehind) {
    SectionFile file(path());
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.write("PisteCourse", 2, "1\t\r\n"), WriteStatus::Written);
    EXPECT_FALSE(journalLeft());
}

TEST_F(InterruptedWrite, aNewWorkingRaceFileNeverTakesTheOldRacesLeftoverWrite) {
    ASSERT_TRUE(writeJournal(path(), 0, "XXXX"));
    ASSERT_TRUE(createWorkingRaceFile(path()));
    EXPECT_FALSE(journalLeft());
    SectionFile reopened(path());
    EXPECT_EQ(reopened.contents(), newRaceFileBytes());
}

TEST_F(InterruptedWrite, theCrashCopyHoldsTheWriteTheKilledProgramWasMaking) {
    ASSERT_TRUE(writeJournal(path(), 6, "XXXX"));
    EXPECT_EQ(saveCrashCopy(path(), folder.file("crash.race")), CrashCopy::Copied);
    EXPECT_EQ(folder.read("crash.race"), "AAAA\r\nXXXX\r\nCCCC\r\n");
}

TEST_F(InterruptedWrite, aJournalWhoseFileIsGoneIsDropped) {
    ASSERT_TRUE(writeJournal(folder.file("gone.race"), 0, "XXXX"));
    finishInterruptedWrite(folder.file("gone.race"));
    EXPECT_FALSE(folder.exists("gone.race.journal"));
    EXPECT_FALSE(folder.exists("gone.race"));
}

} // namespace
} // namespace racedesk
