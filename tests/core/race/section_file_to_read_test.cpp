// A race file opened only to read, as the web pages open it from a thread of their own while
// the GUI thread writes: it never writes, never sees half a write in place, and never holds a
// write up longer than its own copy takes.
#include "core/race/section_file.h"
#include "core/race/write_journal.h"
#include "race_file_layout.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/file.h>
#include <unistd.h>

namespace racedesk {
namespace {

using namespace std::chrono_literals;

const std::string kFile = "10000\t1\t" + test::units(6) + "\r\n" +
                          test::sectionBytes("PisteCourse", "BBBB\t\r\n" + test::units(4) + "\r\n");

struct FileToRead : ::testing::Test {
    void SetUp() override { folder.write("r.race", kFile); }
    std::string path() const { return folder.file("r.race"); }
    test::TempFolder folder;
};

// A lock of the whole file held by the test, as the other side would hold it.
struct HeldLock {
    HeldLock(const std::string& path, int operation) : fd(::open(path.c_str(), O_RDONLY)) {
        EXPECT_GE(fd, 0);
        EXPECT_EQ(::flock(fd, operation), 0);
    }
    ~HeldLock() { ::close(fd); }
    void release() { ::flock(fd, LOCK_UN); }
    int fd;
};

TEST_F(FileToRead, refusesEveryWriteAndLeavesAJournalToTheProgramThatWrites) {
    ASSERT_TRUE(writeJournal(path(), 0, "XX"));
    const std::string journal = folder.read("r.race.journal");
    SectionFile file(path(), SectionFile::ToRead{});
    ASSERT_TRUE(file.isOpen());
    EXPECT_EQ(file.contents(), kFile) << "the interrupted write is not made by a reader";
    EXPECT_TRUE(file.body("PisteCourse").value_or("").starts_with("BBBB\t"));
    EXPECT_EQ(file.write("PisteCourse", 4, "CCCC\t\r\n"), WriteStatus::FileError);
    EXPECT_EQ(file.writeHeader(4, "DDDD\t\r\n"), WriteStatus::FileError);
    EXPECT_EQ(file.overwriteFirstInteger("PisteCourse", 7), WriteStatus::FileError);
    EXPECT_EQ(file.write("Cat\xE9gorie2", 400, std::string(3000, 'x')), WriteStatus::FileError)
        << "not even by a rewrite of the whole file";
    EXPECT_EQ(folder.read("r.race"), kFile);
    ASSERT_TRUE(folder.exists("r.race.journal"));
    EXPECT_EQ(folder.read("r.race.journal"), journal);
}

TEST_F(FileToRead, aReaderWaitsForAWriteInPlaceAndAWriteForAReader) {
    {
        HeldLock writer(path(), LOCK_EX);
        auto read = std::async(std::launch::async, [this] {
            return std::string(SectionFile(path(), SectionFile::ToRead{}).contents());
        });
        EXPECT_EQ(read.wait_for(100ms), std::future_status::timeout);
        folder.write("r.race", kFile + "more\r\n");
        writer.release();
        EXPECT_EQ(read.get(), kFile + "more\r\n");
    }
    HeldLock reader(path(), LOCK_SH);
    SectionFile file(path());
    auto write = std::async(std::launch::async,
                            [&file] { return file.write("PisteCourse", 4, "CCCC\t\r\n"); });
    EXPECT_EQ(write.wait_for(100ms), std::future_status::timeout);
    reader.release();
    EXPECT_EQ(write.get(), WriteStatus::Written);
    EXPECT_NE(folder.read("r.race").find("CCCC"), std::string::npos);
}

} // namespace
} // namespace racedesk
