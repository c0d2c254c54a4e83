#include "core/databases/name_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace racedesk {
namespace {

// A record with a name and something else that must move with it.
struct Tagged {
    std::string name;
    int tag = 0;
};

std::vector<Tagged> ordered(std::vector<Tagged> records) {
    putInNameOrder(std::span<Tagged>(records),
                   [](const Tagged& r) { return std::string_view(r.name); });
    return records;
}

std::vector<std::string> names(const std::vector<Tagged>& records) {
    std::vector<std::string> out;
    for (const Tagged& r : records)
        out.push_back(r.name);
    return out;
}

std::vector<int> tags(const std::vector<Tagged>& records) {
    std::vector<int> out;
    for (const Tagged& r : records)
        out.push_back(r.tag);
    return out;
}

TEST(NameOrder, onlyAToZAreLowerCasedAndBytesCompareUnsigned) {
    EXPECT_EQ(lowerAsciiLetter('A'), 'a');
    EXPECT_EQ(lowerAsciiLetter('Z'), 'z');
    EXPECT_EQ(lowerAsciiLetter('['), '[');
    EXPECT_EQ(lowerAsciiLetter('\xC9'), '\xC9') << "É stays a capital";
    EXPECT_EQ(compareNameKeys("Bob", "bob"), 0);
    EXPECT_LT(compareNameKeys("alice", "Bob"), 0);
    EXPECT_LT(compareNameKeys("Zoe", "\xC9ric"), 0) << "0xC9 is above every ASCII letter";
    EXPECT_LT(compareNameKeys("\xC9ric", "\xE9ric"), 0) << "É (0xC9) before é (0xE9)";
    EXPECT_LT(compareNameKeys("Anne", "Annette"), 0) << "a name before a longer one it begins";
    EXPECT_GT(compareNameKeys("\xFF", "z"), 0) << "ÿ is the highest byte, not an end";
    EXPECT_TRUE(sameNameIgnoringCase("DUPONT Jean", "dupont jean"));
    EXPECT_FALSE(sameNameIgnoringCase("\xC9lodie", "\xE9lodie"));
    EXPECT_FALSE(sameNameIgnoringCase("Dupont", "Dupont "));
}

TEST(NameOrder, namesOrderByKeyWithDigitsAndAccentedCapitalsByByteValueAndEmptiesLast) {
    const auto result = ordered({{"", 1},
                                 {"zoe", 2},
                                 {"\xC9lise", 3},
                                 {"Bruno", 4},
                                 {"", 5},
                                 {"42 Racing", 6},
                                 {"alain", 7},
                                 {"_under", 8},
                                 {"\xFFves", 9}});
    EXPECT_EQ(names(result), (std::vector<std::string>{"42 Racing", "_under", "alain", "Bruno",
                                                       "zoe", "\xC9lise", "\xFFves", "", ""}));
    EXPECT_EQ(tags(result), (std::vector<int>{6, 8, 7, 4, 2, 3, 9, 5, 1}))
        << "every field moves with its name; the later empty record first";
}

TEST(NameOrder, equalKeysPutTheRecordThatStoodLaterFirst) {
    const auto result =
        ordered({{"Martin", 1}, {"abel", 2}, {"MARTIN", 3}, {"martin", 4}, {"Abel", 5}});
    EXPECT_EQ(tags(result), (std::vector<int>{5, 2, 4, 3, 1}));
    // Applied again, the ties swap back: the rule depends on where records stand, not on names.
    EXPECT_EQ(tags(ordered(result)), (std::vector<int>{2, 5, 1, 3, 4}));
}

TEST(NameOrder, aKeyFunctionCanOrderOnPartOfTheName) {
    std::vector<Tagged> records{{"Bernard long name one", 1}, {"Bernard long name two", 2}};
    putInNameOrder(std::span<Tagged>(records),
                   [](const Tagged& r) { return std::string_view(r.name).substr(0, 7); });
    EXPECT_EQ(tags(records), (std::vector<int>{2, 1})) << "equal on the part that counts";
}

TEST(NameOrder, matchesRepeatedSelectionOfTheBestRemainingOnRandomTables) {
    // Repeated selection: the best remaining record, the later one winning a tie, taken each
    // time. The order must be the same whatever way it is reached.
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 16;
    };
    const char* const pool[] = {"", "a", "A", "b", "B", "ab", "Ab", "\xC9", "\xE9", "0", "z"};
    for (int round = 0; round < 300; ++round) {
        std::vector<Tagged> records;
        const int count = int(next() % 30);
        for (int i = 0; i < count; ++i)
            records.push_back({pool[next() % std::size(pool)], i});

        std::vector<Tagged> left = records;
        std::vector<int> expected;
        while (!left.empty()) {
            std::size_t best = 0;
            for (std::size_t i = 1; i < left.size(); ++i) {
                const bool emptyBest = left[best].name.empty();
                const bool emptyI = left[i].name.empty();
                const int c = compareNameKeys(left[i].name, left[best].name);
                if ((emptyBest && !emptyI) || (emptyBest == emptyI && c <= 0))
                    best = i;
            }
            expected.push_back(left[best].tag);
            left.erase(left.begin() + std::ptrdiff_t(best));
        }
        EXPECT_EQ(tags(ordered(records)), expected) << "round " << round;
    }
}

} // namespace
} // namespace racedesk
