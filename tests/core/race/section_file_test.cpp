#include "core/common/field_reader.h"
#include "core/common/field_writer.h"
#include "core/race/section_file.h"
#include "race_file_layout.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace racedesk {
namespace {

using test::kCat;
using test::sectionBytes;
using test::units;

ino_t inodeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

// A small race file: a header area of 10 units, then sections of 4 and 10 units.
class SectionFileTest : public ::testing::Test {
protected:
    void SetUp() override { folder.write("r.race", start); }
    std::string read() const { return folder.read("r.race"); }
    std::string path() const { return folder.file("r.race"); }

    const std::string flagsTitle = kCat + "DrapeauxTreeview";
    const std::string gridsTitle = kCat + "1GrilleD\xE9partQualifs";
    const std::string start =
        "10000\t1\t" + units(6) + "\r\n" +
        sectionBytes(flagsTitle, "0\t0\t\r\n" + units(1) + "\r\n") +
        sectionBytes(gridsTitle, "0\t2\t1\t\r\n1\t2\t\r\n" + units(3) + "\r\n");
    test::TempFolder folder;
};

TEST_F(SectionFileTest, newSectionLandsAtTheEndAfterAnEmptyLine) {
    SectionFile file(path());
    ASSERT_EQ(file.write("PisteCourse", 20, "Coupe\tClub\tCircuits\t5\t\r\n"),
              WriteStatus::Written);
    // 24 bytes of content are 12 units: 8 units remain.
    EXPECT_EQ(read(),
              start + "\r\nPisteCourse\t\r\nCoupe\tClub\tCircuits\t5\t\r\n" + units(8) + "\r\n");
}

TEST_F(SectionFileTest, sectionWrittenAgainStaysWhereItIs) {
    {
        SectionFile file(path());
        ASSERT_EQ(file.write("PisteCourse", 20, "Coupe\tClub\t\r\n"), WriteStatus::Written);
        ASSERT_EQ(file.write(kCat + "1ListeParticipants", 4, "Ann\t\r\n"), WriteStatus::Written);
    }
    const std::string before = read();
    const std::size_t listTitle = before.find(kCat + "1ListeParticipants");
    {
        SectionFile file(path());
        ASSERT_EQ(file.write("PisteCourse", 20, "Grand Prix\tAutre club\tPiste\t7\t\r\n"),
                  WriteStatus::Written);
    }
    const std::string after = read();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.find(kCat + "1ListeParticipants"), listTitle);
    EXPECT_EQ(after.substr(listTitle), before.substr(listTitle));
    EXPECT_EQ(after.substr(0, before.find("Coupe")), before.substr(0, before.find("Coupe")));
}

TEST_F(SectionFileTest, shorterRewriteReadsOnlyTheNewContent) {
    SectionFile file(path());
    ASSERT_EQ(file.write("PisteCourse", 20, "Grand Prix de la ville\t9\t\r\n"),
              WriteStatus::Written);
    ASSERT_EQ(file.write("PisteCourse", 20, "GP\t33\t\r\n"), WriteStatus::Written);
    const std::string_view body = file.body("PisteCourse").value();
    // The area is the new content and the filler after it: the old content is gone.
    EXPECT_EQ(body, "GP\t33\t\r\n" + units(16) + "\r\n");
    FieldReader in(body);
    int laps = 0;
    EXPECT_EQ(in.text(), "GP");
    EXPECT_TRUE(in.integer(laps));
    EXPECT_EQ(laps, 33);
}

TEST_F(SectionFileTest, rewriteInASmallerAreaLeavesTheOldTailUnread) {
    SectionFile file(path());
    const std::string old = "Ann\tBob\tCid\t\r\nDan\tEve\tFay\t\r\n"; // 28 bytes
    ASSERT_EQ(file.write(kCat + "1ClassementFinalQualifs", 15, old), WriteStatus::Written);
    ASSERT_EQ(file.write("PisteCourse", 3, "p\t\r\n"), WriteStatus::Written);
    const std::string before(file.contents());

    ASSERT_EQ(file.write(kCat + "1ClassementFinalQualifs", 3, "Zoe\t\r\n"), WriteStatus::Written);
    const std::string after(file.contents());
    ASSERT_EQ(after.size(), before.size());
    const std::size_t body = before.find(old);
    EXPECT_EQ(after.substr(body, 8), "Zoe\t\r\n\r\n") << "the new area of 3 units";
    EXPECT_EQ(after.substr(body + 8), before.substr(body + 8)) << "the old tail, then the rest";
    FieldReader in(file.body(kCat + "1ClassementFinalQualifs").value());
    EXPECT_EQ(in.text(), "Zoe");
    EXPECT_EQ(file.body("PisteCourse").value(), "p\t\r\n1\t\r\n");
}

TEST_F(SectionFileTest, contentFillingTheAreaExactlyIsWrittenInPlace) {
    const ino_t inode = inodeOf(path());
    SectionFile file(path());
    // The flags area holds 4 units: 8 bytes of content leave only the area's line end.
    ASSERT_EQ(file.write(flagsTitle, 4, "1\t1\t0\t\r\n"), WriteStatus::Written);
    std::string expected = start;
    expected.replace(expected.find("0\t0\t\r\n"), 8, "1\t1\t0\t\r\n");
    EXPECT_EQ(read(), expected);
    EXPECT_EQ(inodeOf(path()), inode) << "no whole-file rewrite";
}

TEST_F(SectionFileTest, contentOneByteTooLongRewritesTheFileWithTheAreaEnlarged) {
    const ino_t inode = inodeOf(path());
    const std::size_t body = start.find("0\t0\t\r\n");
    const std::size_t areaEnd = body + 10;
    SectionFile file(path());
    ASSERT_EQ(file.write(flagsTitle, 4, "1\t1\t10\t\r\n"), WriteStatus::Written);
    const std::string after = read();
    EXPECT_EQ(after.substr(0, body), start.substr(0, body));
    EXPECT_EQ(after.substr(body, 12), "1\t1\t10\t\r\n\t\r\n") << "one unit more, its tab left";
    EXPECT_EQ(after.substr(body + 12), start.substr(areaEnd)) << "the sections after, unchanged";
    EXPECT_NE(inodeOf(path()), inode) << "written beside and renamed over";
    EXPECT_FALSE(folder.exists("r.race.tmp"));
    // The same operation goes on with the new file.
    EXPECT_EQ(file.body(gridsTitle).value(), "0\t2\t1\t\r\n1\t2\t\r\n" + units(3) + "\r\n");
    EXPECT_EQ(file.write(flagsTitle, 4, "0\t\r\n"), WriteStatus::Written);
    EXPECT_EQ(read().substr(body, 12), "0\t\r\n1\t1\t\r\n\r\n")
        << "the enlarged area's old end stays";
}

TEST_F(SectionFileTest, largerUnitCountThanTheAreaHasIsNeverWrittenOverTheNextSection) {
    SectionFile file(path());
    ASSERT_EQ(file.write(flagsTitle, 40, "1\t\r\n"), WriteStatus::Written);
    const std::string after = read();
    const std::size_t body = start.find("0\t0\t\r\n");
    EXPECT_EQ(after.substr(body, 82), "1\t\r\n" + units(38) + "\r\n");
    EXPECT_EQ(after.substr(body + 82), start.substr(body + 10));
}

TEST_F(SectionFileTest, lastSectionGrowsAtTheEndOfTheFile) {
    const ino_t inode = inodeOf(path());
    SectionFile file(path());
    const std::string grid = "1\t4\t2\t\r\n1\t2\t3\t4\t\r\n4\t3\t2\t1\t\r\n";
    ASSERT_EQ(file.write(gridsTitle, 5, grid), WriteStatus::Written);
    EXPECT_EQ(read(), start.substr(0, start.find("0\t2\t1\t")) + grid + "\r\n");
    EXPECT_EQ(inodeOf(path()), inode);
}

TEST_F(SectionFileTest, titleMatchesOnlyAWholeFirstField) {
    SectionFile file(path());
    ASSERT_EQ(file.write(kCat + "1M1S10", 4, "ten\t\r\n"), WriteStatus::Written);
    EXPECT_FALSE(file.body(kCat + "1M1S1"));
    ASSERT_EQ(file.write(kCat + "1M1S1", 4, "one\t\r\n"), WriteStatus::Written);
    EXPECT_EQ(file.body(kCat + "1M1S1").value(), "one\t\r\n1\t\r\n");
    EXPECT_EQ(file.body(kCat + "1M1S10").value(), "ten\t\r\n1\t\r\n");
    EXPECT_LT(read().find("ten"), read().find("one")) << "S1 was appended after S10";
}

TEST_F(SectionFileTest, emptyTextFieldAfterAnIntegerReadsBackEmpty) {
    FieldWriter content;
    content.integer(7);
    content.text("");
    content.text("Sec");
    content.endLine();
    SectionFile file(path());
    ASSERT_EQ(file.write(kCat + "1M1S1", 10, content.contents()), WriteStatus::Written);
    FieldReader in(file.body(kCat + "1M1S1").value());
    int n = 0;
    ASSERT_TRUE(in.integer(n));
    EXPECT_EQ(n, 7);
    EXPECT_EQ(in.text(), "");
    EXPECT_EQ(in.text(), "Sec");
}

TEST_F(SectionFileTest, overwritingTheFirstIntegerKeepsTheRestOfTheLine) {
    SectionFile file(path());
    ASSERT_EQ(file.overwriteFirstInteger(gridsTitle, 1), WriteStatus::Written);
    std::string expected = start;
    expected[expected.find("0\t2\t1\t")] = '1';
    EXPECT_EQ(read(), expected);
}

TEST_F(SectionFileTest, overwritingTheFirstIntegerOfAMissingSectionWritesNothing) {
    SectionFile file(path());
    EXPECT_EQ(file.overwriteFirstInteger(kCat + "2GrilleD\xE9partQualifs", 1),
              WriteStatus::TitleNotFound);
    EXPECT_EQ(read(), start);
}

TEST_F(SectionFileTest, overwritingAWiderOrEmptyFirstFieldKeepsTheFieldsAfterIt) {
    SectionFile file(path());
    ASSERT_EQ(file.write(kCat + "1A", 5, "10\t7\t\r\n"), WriteStatus::Written);
    ASSERT_EQ(file.write(kCat + "1B", 5, "\t8\t\r\n"), WriteStatus::Written);
    ASSERT_EQ(file.overwriteFirstInteger(kCat + "1A", 2), WriteStatus::Written);
    EXPECT_EQ(file.body(kCat + "1A").value(), " 2\t7\t\r\n\t1\t\r\n") << "padded in place";
    ASSERT_EQ(file.overwriteFirstInteger(kCat + "1B", 2), WriteStatus::Written);
    for (const auto& [title, next] : {std::pair{kCat + "1A", 7}, std::pair{kCat + "1B", 8}}) {
        FieldReader in(file.body(title).value());
        int first = 0;
        int second = 0;
        EXPECT_TRUE(in.integer(first));
        EXPECT_TRUE(in.integer(second));
        EXPECT_EQ(first, 2) << title;
        EXPECT_EQ(second, next) << title;
    }
    EXPECT_EQ(std::string(file.contents()).substr(0, start.size()), start);
}

TEST_F(SectionFileTest, appendingAfterACutLastLineStartsANewLine) {
    folder.write("r.race", start + "1\t1");
    SectionFile file(path());
    ASSERT_EQ(file.write("PisteCourse", 1, ""), WriteStatus::Written);
    EXPECT_EQ(read(), start + "1\t1\r\n\r\nPisteCourse\t\r\n1\t\r\n");
}

TEST_F(SectionFileTest, titleLineCutAtTheEndIsEndedBeforeItsBody) {
    for (const std::string cut : {"\t\r", "\t", ""}) {
        folder.write("r.race", start + "\r\n" + kCat + "2M1S1" + cut);
        SectionFile file(path());
        ASSERT_EQ(file.write(kCat + "2M1S1", 4, "\r\n7\t\r\n"), WriteStatus::Written) << cut;
        EXPECT_EQ(file.body(kCat + "2M1S1").value(), "\r\n7\t\r\n1\t\r\n") << cut;
        EXPECT_EQ(read().substr(0, start.size()), start);
    }
}

TEST_F(SectionFileTest, titleThatNoLineCanHoldIsRefusedWithoutWriting) {
    SectionFile file(path());
    EXPECT_EQ(file.write(kCat + "1\tA", 2, "x\t"), WriteStatus::TitleNotFound);
    EXPECT_EQ(file.write("", 2, "x\t"), WriteStatus::TitleNotFound);
    EXPECT_EQ(read(), start);
}

// Title lines a hand edit or a damaged copy left without the empty line before them, without
// their tab, or with more after it: each lies inside the area before it. The look-up takes
// none of them, so the next write of the area before, which may fill its whole area, never
// destroys a section the look-up had found; every whole section keeps its bytes.
TEST(SectionFile, aTitleLineInsideTheAreaBeforeItIsNeverTakenForASection) {
    const std::string parameters = kCat + "1QualifsParam\xE8tres";
    const std::string classification = kCat + "1M1Classement";
    const std::string track = "PisteCourse";
    for (const std::string& damaged :
         {classification + "\t\r\n", classification + "\r\n", classification + "\tx\t\r\n"}) {
        test::TempFolder folder;
        const std::string trackSection =
            sectionBytes(track, "Grand Prix\t\r\n" + units(2) + "\r\n");
        const std::string before = "9\t\r\n" +
                                   sectionBytes(parameters, "3\t\r\n" + units(1) + "\r\n") +
                                   damaged + "5\t\r\n" + units(4) + "\r\n" + trackSection;
        folder.write("r.race", before);
        SectionFile file(folder.file("r.race"));
        EXPECT_FALSE(file.body(classification)) << damaged;
        ASSERT_EQ(file.write(parameters, 1, "4\t"), WriteStatus::Written);
        ASSERT_EQ(file.write(classification, 3, "7\t8\t"), WriteStatus::Written);
        EXPECT_EQ(file.body(classification).value(), "7\t8\t1\t\r\n");
        EXPECT_EQ(file.body(track).value(), "Grand Prix\t\r\n" + units(2) + "\r\n");
        ASSERT_EQ(file.write(parameters, 12, "4\t"), WriteStatus::Written) << "fills its area";
        EXPECT_EQ(file.body(classification).value(), "7\t8\t1\t\r\n")
            << "the classification written is still there";
        const std::string after = folder.read("r.race");
        EXPECT_NE(after.find(trackSection), std::string::npos);
    }
}

// A shorter area written where a damaged file holds a title line inside the old one: the
// old bytes left past the new area would start a section of their own and hide the real one.
TEST(SectionFile, aShorterAreaNeverLeavesATitleLineOfTheOldOneStartingASection) {
    struct Case {
        std::string oldBody;
        int units;
        std::string content;
    };
    // The new area ends just before an empty line and the title line, or it ends with an
    // empty line of its own just before the title line.
    const Case cases[] = {{"abc\t\r\nx\t\r\n" + kCat + "1B\t\r\n1\t\r\n", 3, "1\t1\t1\t"},
                          {"abc\t\r\n" + kCat + "1B\t\r\n1\t\r\n", 1, "1\t\r\n"}};
    const std::string real = sectionBytes(kCat + "1B", "real\t\r\n");
    for (const Case& c : cases) {
        test::TempFolder folder;
        folder.write("r.race", "9\t\r\n" + sectionBytes("PisteCourse", c.oldBody) + real);
        SectionFile file(folder.file("r.race"));
        ASSERT_EQ(file.body(kCat + "1B").value(), "real\t\r\n");
        ASSERT_EQ(file.write("PisteCourse", c.units, c.content), WriteStatus::Written);
        EXPECT_EQ(file.body(kCat + "1B").value(), "real\t\r\n") << c.oldBody;
        EXPECT_TRUE(folder.read("r.race").ends_with(real));
        EXPECT_TRUE(file.body("PisteCourse").value().starts_with(c.content));
    }
}

// Another program cutting the file while it is open (a copy over it from a pulled stick):
// what was read stays readable, where a mapping of the file would fault on the lost pages.
TEST_F(SectionFileTest, aFileCutShortWhileOpenLeavesWhatWasReadIntact) {
    std::string big = start;
    for (int i = 0; i < 200; ++i)
        big += sectionBytes(kCat + "1M1S" + std::to_string(i), units(100) + "\r\n");
    folder.write("r.race", big);
    SectionFile file(path());
    ASSERT_TRUE(file.isOpen());
    ASSERT_EQ(::truncate(path().c_str(), 0), 0);
    const std::optional<std::string_view> last = file.body(kCat + "1M1S199");
    ASSERT_TRUE(last);
    EXPECT_EQ(*last, units(100) + "\r\n");
    EXPECT_EQ(file.contents().size(), big.size());
}

TEST(SectionFile, missingFileIsAFileErrorForEveryOperation) {
    test::TempFolder folder;
    SectionFile file(folder.file("Private/Course.race"));
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(file.body("PisteCourse"));
    EXPECT_EQ(file.write("PisteCourse", 2, ""), WriteStatus::FileError);
    EXPECT_EQ(file.writeHeader(330, ""), WriteStatus::FileError);
    EXPECT_EQ(file.overwriteFirstInteger("PisteCourse", 1), WriteStatus::FileError);
    EXPECT_FALSE(folder.exists("Private/Course.race"));
}

TEST(SectionFile, emptyFileTakesAHeaderAndSections) {
    test::TempFolder folder;
    folder.write("r.race", "");
    SectionFile file(folder.file("r.race"));
    ASSERT_EQ(file.writeHeader(2, "9\t"), WriteStatus::Written);
    ASSERT_EQ(file.write("PisteCourse", 1, ""), WriteStatus::Written);
    EXPECT_EQ(folder.read("r.race"), "9\t1\t\r\n\r\nPisteCourse\t\r\n1\t\r\n");
}

} // namespace
} // namespace racedesk
