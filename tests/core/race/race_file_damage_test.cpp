// Race files cut and damaged at random, with fixed seeds: the readers read what they can,
// within the bytes they were given, and always come to an end; the writers keep the file
// readable and every other section where it was.
#include "core/common/field_reader.h"
#include "core/race/race_header.h"
#include "core/race/section_area.h"
#include "core/race/section_file.h"
#include "core/race/section_lines.h"
#include "core/race/title_index.h"
#include "race_file_layout.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>

namespace racedesk {
namespace {

using test::kCat;

const std::vector<std::string>& titles() {
    static const std::vector<std::string> all = {kCat + "DrapeauxTreeview",
                                                 "PisteCourse",
                                                 kCat + "1ListeParticipants",
                                                 kCat + "1M1S1",
                                                 kCat + "1M1S10",
                                                 kCat + "2M3S4",
                                                 kCat + "1Remont\xE9"
                                                        "es2A",
                                                 kCat + "9Remont\xE9"
                                                        "esFinale"};
    return all;
}

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    int upTo(int n) { return std::uniform_int_distribution<int>(0, n)(engine_); }
    std::size_t upTo(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(engine_);
    }
    const std::string& title() { return titles()[std::size_t(upTo(int(titles().size()) - 1))]; }

    // Lines of text and integer fields; sometimes an empty line, a huge number, an overlong
    // name or a byte 0xFF.
    std::string content() {
        std::string out;
        for (int line = upTo(4); line > 0; --line) {
            for (int field = upTo(6); field > 0; --field) {
                switch (upTo(5)) {
                case 0:
                    out += std::to_string(upTo(2000) - 1000);
                    break;
                case 1:
                    out += "99999999999999999999";
                    break;
                case 2:
                    out += std::string(std::size_t(upTo(120)), 'N');
                    break;
                case 3:
                    out += "Ren\xFF";
                    break;
                default:
                    break; // an empty field
                }
                out += '\t';
            }
            out += "\r\n";
        }
        return out;
    }

    std::string validFile() {
        RaceHeader h = newRaceHeader();
        h.categoryCount = 1 + upTo(8);
        for (int i = 0; i < h.categoryCount; ++i) {
            CategoryEntry& c = h.categories[std::size_t(i)];
            c.name = std::string(std::size_t(1 + upTo(53)), char('a' + i));
            c.participants = upTo(200);
            c.rounds = upTo(9);
        }
        std::string header;
        composeRaceHeader(h, header);
        std::string file = composeArea(kRaceHeaderUnits, header);
        for (const std::string& t : titles()) {
            if (upTo(3) > 0)
                appendSection(file, t, composeArea(upTo(60), content()));
        }
        return file;
    }

    // Cuts, overwrites, inserts or removes bytes.
    void damage(std::string& file) {
        static const char nasty[] = {'\t', '\r', '\n', '\xFF', '0', '9', '-', ' ', 'C', '\0'};
        for (int n = 1 + upTo(4); n > 0; --n) {
            const std::size_t at = upTo(file.size());
            switch (upTo(4)) {
            case 0:
                file.resize(at);
                break;
            case 1:
                if (at < file.size())
                    file[at] = upTo(1) ? nasty[upTo(int(sizeof nasty) - 1)] : char(upTo(255));
                break;
            case 2:
                file.insert(at, upTo(1) ? "99999999999999999999\t" : std::string(300, 'A'));
                break;
            default:
                file.erase(at, upTo(std::size_t(200)));
                break;
            }
        }
    }

private:
    std::mt19937 engine_;
};

// The bytes in a heap block of their exact size: a read past the end is caught by the
// address sanitizer.
std::unique_ptr<char[]> exactCopy(const std::string& s) {
    auto block = std::make_unique<char[]>(s.size());
    std::copy(s.begin(), s.end(), block.get());
    return block;
}

void expectWithinLimits(const RaceHeader& h) {
    ASSERT_GE(h.categoryCount, 1);
    ASSERT_LE(h.categoryCount, kMaxCategories);
    for (int i = 0; i < h.categoryCount; ++i) {
        const CategoryEntry& c = h.categories[std::size_t(i)];
        EXPECT_FALSE(c.name.empty());
        EXPECT_LE(c.name.size(), 54u);
        EXPECT_TRUE(c.participants >= 0 && c.participants <= kMaxParticipants);
        EXPECT_TRUE(c.qualifyingStarted >= 0 && c.qualifyingStarted <= 1);
        EXPECT_TRUE(c.finalsState >= 0 && c.finalsState <= 2);
        EXPECT_TRUE(c.rounds >= 0 && c.rounds <= kMaxRounds);
        EXPECT_TRUE(c.heatsPerRound >= 0 && c.heatsPerRound <= kMaxHeatsPerRound);
        EXPECT_TRUE(c.finals >= 0 && c.finals <= kMaxFinals);
    }
}

// Reads fields of every kind until the body ends; each read moves forward or the body ends.
void readToTheEnd(std::string_view body, Random& random) {
    FieldReader in(body);
    for (std::size_t reads = 0; !in.atEnd(); ++reads) {
        ASSERT_LT(reads, body.size() + 1) << "a reader that does not move";
        const std::size_t before = in.position();
        int value = 0;
        switch (random.upTo(3)) {
        case 0:
            in.integer(value);
            break;
        case 1:
            in.text();
            break;
        case 2:
            in.line();
            break;
        default:
            in.skipLine();
            break;
        }
        ASSERT_LE(in.position(), body.size());
        if (in.position() == before)
            in.skipLine(); // an integer reader standing on a letter stays there, as "%d" does
    }
}

void checkReaders(const std::string& damaged, Random& random) {
    const auto block = exactCopy(damaged);
    const std::string_view data(block.get(), damaged.size());
    const std::size_t headerEnd = areaEnd(data, 0);
    ASSERT_LE(headerEnd, data.size());
    expectWithinLimits(parseRaceHeader(data.substr(0, headerEnd)));
    expectWithinLimits(parseRaceHeader(data));

    TitleIndex index(data);
    for (int n = 0; n < 4; ++n) {
        const std::string& title = random.title();
        const std::optional<std::size_t> body = index.find(title);
        ASSERT_EQ(body, scanForTitle(data, title)) << title;
        if (!body)
            continue;
        ASSERT_LE(*body, data.size());
        const std::size_t end = areaEnd(data, *body);
        ASSERT_GE(end, *body);
        ASSERT_LE(end, data.size());
        readToTheEnd(data.substr(*body, end - *body), random);
    }
    readToTheEnd(data, random);
}

TEST(RaceFileDamage, readersStayWithinCutAndDamagedFiles) {
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        Random random(seed);
        std::string file = random.validFile();
        random.damage(file);
        SCOPED_TRACE(seed);
        checkReaders(file, random);
        if (HasFatalFailure())
            return;
    }
}

TEST(RaceFileDamage, writesToADamagedFileReadBack) {
    test::TempFolder folder;
    const std::string path = folder.file("d.race");
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        Random random(seed);
        std::string damaged = random.validFile();
        random.damage(damaged);
        folder.write("d.race", damaged);

        SectionFile file(path);
        RaceHeader header;
        ASSERT_TRUE(readRaceHeader(file, header));
        expectWithinLimits(header);
        const std::string& title = random.title();
        const std::string content = random.content();
        ASSERT_EQ(file.write(title, random.upTo(40), content), WriteStatus::Written);
        ASSERT_TRUE(file.body(title).value_or("").starts_with(content));
        header.selectedItem = 20000 + random.upTo(999);
        ASSERT_EQ(writeRaceHeader(file, header), WriteStatus::Written);
        RaceHeader again;
        ASSERT_TRUE(readRaceHeader(file, again));
        EXPECT_EQ(again.selectedItem, header.selectedItem);
        EXPECT_EQ(again.categoryCount, header.categoryCount);
        EXPECT_EQ(again.categories[std::size_t(header.categoryCount - 1)].name,
                  header.categories[std::size_t(header.categoryCount - 1)].name);

        const std::string& other = random.title();
        const WriteStatus status = file.overwriteFirstInteger(other, 1);
        if (status == WriteStatus::Written) {
            FieldReader in(file.body(other).value());
            int value = 0;
            EXPECT_TRUE(in.integer(value));
            EXPECT_EQ(value, 1);
        } else {
            EXPECT_EQ(status, WriteStatus::TitleNotFound);
            EXPECT_FALSE(file.body(other));
        }
    }
}

// Random writes to a valid file, checked against what each section last received: every
// section reads back its own content, in the same operation and in a later one.
TEST(RaceFileDamage, randomWritesKeepEverySectionReadable) {
    test::TempFolder folder;
    const std::string path = folder.file("v.race");
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE(seed);
        Random random(seed);
        folder.write("v.race", random.validFile());
        std::map<std::string, std::string> latest;
        {
            SectionFile file(path);
            for (const std::string& t : titles()) {
                if (const auto body = file.body(t))
                    latest[t] = std::string(*body);
            }
        }
        for (int op = 0; op < 25; ++op) {
            SectionFile file(path);
            const std::string& title = random.title();
            const std::string content = random.content();
            ASSERT_EQ(file.write(title, random.upTo(30), content), WriteStatus::Written);
            latest[title] = content;
            for (const auto& [t, expected] : latest) {
                const auto body = file.body(t);
                ASSERT_TRUE(body) << t;
                ASSERT_TRUE(body->starts_with(expected)) << t;
            }
        }
        SectionFile reopened(path);
        for (const auto& [t, expected] : latest)
            ASSERT_TRUE(reopened.body(t).value_or("").starts_with(expected)) << t;
    }
}

} // namespace
} // namespace racedesk
