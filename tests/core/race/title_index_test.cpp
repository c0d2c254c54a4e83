#include "core/race/section_lines.h"
#include "core/race/title_index.h"
#include "race_file_layout.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace racedesk {
namespace {

using test::kCat;
using test::sectionBytes;

TEST(TitleIndex, findsEachSectionOnOnePassWhateverTheOrderOfLookUps) {
    const std::string file = "10000\t1\t\r\n" + sectionBytes(kCat + "1A", "a\t\r\n") +
                             sectionBytes("PisteCourse", "p\t\r\n") +
                             sectionBytes(kCat + "1B", "b\t\r\n");
    TitleIndex index(file);
    EXPECT_EQ(index.find(kCat + "1B"), file.find("b\t"));
    EXPECT_EQ(index.find(kCat + "1A"), file.find("a\t"));
    EXPECT_EQ(index.find("PisteCourse"), file.find("p\t"));
    EXPECT_FALSE(index.find(kCat + "1C"));
    EXPECT_FALSE(index.find("10000")) << "the header's line is no section title";
}

TEST(TitleIndex, aTitleLineInsideAnAreaIsNoSection) {
    const std::string file =
        sectionBytes(kCat + "1A", kCat + "1B\t\r\n") + sectionBytes(kCat + "1B", "real\t\r\n");
    TitleIndex index(file);
    EXPECT_EQ(index.find(kCat + "1B"), file.find("real"));
}

TEST(TitleIndex, titleMatchesOnlyAWholeFirstField) {
    const std::string file =
        sectionBytes(kCat + "1M1S10", "ten\t\r\n") + sectionBytes(kCat + "1M1S1", "one\t\r\n");
    TitleIndex index(file);
    EXPECT_EQ(index.find(kCat + "1M1S1"), file.find("one"));
    EXPECT_EQ(index.find(kCat + "1M1S10"), file.find("ten"));
    EXPECT_FALSE(index.find(kCat + "1M1S"));
}

TEST(TitleIndex, byteFFDoesNotEndTheScan) {
    const std::string file = sectionBytes(kCat + "1ListeParticipants", "\xFFve\t\xFF\t\r\n") +
                             sectionBytes(kCat + "1\xFF", "y\t\r\n") +
                             sectionBytes("PisteCourse", "p\t\r\n");
    TitleIndex index(file);
    EXPECT_EQ(index.find("PisteCourse"), file.find("p\t"));
    EXPECT_EQ(index.find(kCat + "1\xFF"), file.find("y\t"));
}

TEST(TitleIndex, followsChangesOfTheData) {
    std::string file = sectionBytes(kCat + "1A", "a\t\r\n") + sectionBytes(kCat + "1B", "b\t\r\n");
    TitleIndex index(file);
    ASSERT_EQ(index.find(kCat + "1B"), file.find("b\t"));
    ASSERT_FALSE(index.find(kCat + "1C"));

    // The area of 1A grows by a line; 1B moves, and 1C appears where 1B's body was.
    const std::size_t change = file.find("a\t");
    file.insert(change, "grown\t\r\n");
    file += sectionBytes(kCat + "1C", "c\t\r\n");
    index.changedFrom(file, change);
    EXPECT_EQ(index.find(kCat + "1A"), change);
    EXPECT_EQ(index.find(kCat + "1B"), file.find("b\t"));
    EXPECT_EQ(index.find(kCat + "1C"), file.find("c\t"));
}

// Lines of a few title-like and data-like kinds, edited at random in place and by moves; after
// each edit every look-up must agree with a plain scan from the start.
TEST(TitleIndex, agreesWithAPlainScanThroughRandomEdits) {
    const std::vector<std::string> titles = {kCat + "1A", kCat + "1B", "PisteCourse", kCat + "2"};
    const std::vector<std::string> pieces = {kCat + "1A\t\r\n",
                                             kCat + "1B\t\r\n",
                                             "PisteCourse\t\r\n",
                                             kCat + "2\tx\t\r\n",
                                             "1\t2\t\r\n",
                                             "\r\n",
                                             "\n",
                                             "\t",
                                             "C",
                                             "\xFF"};
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](std::size_t n) {
            return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
        };
        std::string data;
        for (int i = 0; i < 30; ++i)
            data += pieces[pick(pieces.size())];
        TitleIndex index(data);
        for (int edit = 0; edit < 20; ++edit) {
            for (std::size_t n = pick(3); n > 0; --n)
                index.find(titles[pick(titles.size())]);
            const std::size_t at = pick(data.size() + 1);
            const std::string& piece = pieces[pick(pieces.size())];
            if (pick(2) == 0 && at + piece.size() <= data.size()) {
                data.replace(at, piece.size(), piece);
                index.rewrittenInPlace(data, at, at + piece.size());
            } else {
                data.insert(at, piece);
                index.changedFrom(data, at);
            }
            for (const std::string& title : titles)
                ASSERT_EQ(index.find(title), scanForTitle(data, title))
                    << "seed " << seed << " edit " << edit << " title " << title;
        }
    }
}

TEST(TitleIndex, cutTitleLineStillNamesItsSection) {
    const std::string file = "x\t\r\n\r\n" + kCat + "1A\t";
    TitleIndex index(file);
    EXPECT_EQ(index.find(kCat + "1A"), file.size()) << "its body is empty, at the end";
}

} // namespace
} // namespace racedesk
