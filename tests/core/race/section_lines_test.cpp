#include "core/race/section_lines.h"
#include "race_file_layout.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::kCat;
using test::sectionBytes;
using test::units;

TEST(SectionLines, areaEndsAtTheEmptyLineBeforeTheNextTitle) {
    const std::string first = "5\t6\t\r\n" + units(2) + "\r\n";
    const std::string file =
        "h\t\r\n" + sectionBytes(kCat + "1A", first) + sectionBytes("PisteCourse", "x\t\r\n");
    const std::size_t body = file.find(first);
    EXPECT_EQ(areaEnd(file, body), body + first.size());
    EXPECT_EQ(areaEnd(file, 0), 4u); // the header area
}

TEST(SectionLines, lastAreaRunsToTheEndOfTheFile) {
    const std::string file = sectionBytes("PisteCourse", "a\t\r\nb\t");
    EXPECT_EQ(areaEnd(file, file.find("a\t")), file.size());
}

TEST(SectionLines, emptyLinesInsideAnAreaDoNotEndIt) {
    // An empty line followed by data, and a data line looking like a title but not after an
    // empty line, are both part of the area.
    const std::string area = "1\t\r\n\r\nDupont\t\r\n" + kCat + "X\t\r\n1\t\r\n";
    const std::string file = sectionBytes(kCat + "1A", area) + sectionBytes(kCat + "1B", "");
    const std::size_t body = file.find(area);
    EXPECT_EQ(areaEnd(file, body), body + area.size());
}

TEST(SectionLines, bareLineFeedsAreLineEndsToo) {
    const std::string file = "\n" + kCat + "1A\t\n7\t\n\n" + kCat + "1B\t\n8\t\n";
    const std::size_t body = file.find("7\t");
    EXPECT_EQ(areaEnd(file, body), body + 3);
    EXPECT_EQ(scanForTitle(file, kCat + "1B"), file.find("8\t"));
}

TEST(SectionLines, titleIsTheWholeFirstField) {
    const std::string file =
        sectionBytes(kCat + "1M1S10", "a\t\r\n") + sectionBytes(kCat + "1M1S1", "b\t\r\n");
    EXPECT_EQ(scanForTitle(file, kCat + "1M1S1"), file.find("b\t"));
    EXPECT_EQ(scanForTitle(file, kCat + "1M1S10"), file.find("a\t"));
    EXPECT_FALSE(scanForTitle(file, kCat + "1M1S"));
    EXPECT_FALSE(scanForTitle(file, kCat + "1M1S100"));
    EXPECT_FALSE(scanForTitle(file, "")) << "an empty title is no title";
}

TEST(SectionLines, byteFFIsALetterNotTheEndOfTheFile) {
    const std::string file = "\xFF\xFF\t\r\n" + sectionBytes(kCat + "1A", "Ren\xFF\t\r\n") +
                             sectionBytes("PisteCourse", "p\t\r\n");
    EXPECT_EQ(scanForTitle(file, "PisteCourse"), file.find("p\t"));
    EXPECT_FALSE(scanForTitle(file, "\xFF\xFF")) << "the header's line is no section title";
}

TEST(SectionLines, titleLineHasOneFieldThatCouldBeATitle) {
    const std::string file = "PisteCourse\t\r\nPisteCourse\tx\t\r\nPiste\t\r\n" + kCat + "\t";
    EXPECT_TRUE(isTitleLine(file, 0));
    EXPECT_FALSE(isTitleLine(file, file.find("PisteCourse\tx")));
    EXPECT_FALSE(isTitleLine(file, file.find("Piste\t")));
    EXPECT_TRUE(isTitleLine(file, file.find(kCat))) << "a title line cut after its tab";
}

} // namespace
} // namespace racedesk
