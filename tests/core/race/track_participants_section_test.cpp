#include "core/race/participants_section.h"
#include "core/race/section_titles.h"
#include "core/race/track_section.h"
#include "section_test_support.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::areaBytes;
using test::kCat;

class TrackSectionTest : public test::NewRaceFileTest {};

TEST_F(TrackSectionTest, writtenLineMatchesLayoutAndReadsBack) {
    TrackSettings track;
    track.raceName = "Coupe de No\xEBl";
    track.club = "RC Club Val";
    track.circuit = "Piste des Pins";
    track.protectionSeconds = 7;
    {
        SectionFile file(path());
        ASSERT_EQ(writeTrack(file, track), WriteStatus::Written);
    }
    const std::string line = "Coupe de No\xEBl\tRC Club Val\tPiste des Pins\t7\t\r\n";
    EXPECT_EQ(read(), withSection("PisteCourse", 75, line));

    SectionFile file(path());
    TrackSettings back;
    ASSERT_TRUE(readTrack(file, back));
    EXPECT_EQ(back.raceName, track.raceName);
    EXPECT_EQ(back.club, track.club);
    EXPECT_EQ(back.circuit, track.circuit);
    EXPECT_EQ(back.protectionSeconds, 7);
    EXPECT_EQ(file.body("PisteCourse")->size(), 2u * 75 + 2);
}

TEST_F(TrackSectionTest, missingSectionGivesDefaults) {
    SectionFile file(path());
    TrackSettings track;
    track.raceName = "left over";
    track.protectionSeconds = 40;
    EXPECT_FALSE(readTrack(file, track));
    EXPECT_TRUE(track.raceName.empty());
    EXPECT_TRUE(track.club.empty());
    EXPECT_TRUE(track.circuit.empty());
    EXPECT_EQ(track.protectionSeconds, 2);
}

TEST(TrackSection, longNamesAreCutAndProtectionKeptWithinItsDigits) {
    const std::string body = std::string(60, 'R') + "\t" + std::string(60, 'C') + "\t" +
                             std::string(60, 'P') + "\t1\t\r\n" + test::units(5) + "\r\n";
    const TrackSettings track = parseTrack(body);
    EXPECT_EQ(track.raceName.view(), std::string(48, 'R'));
    EXPECT_EQ(track.club.view(), std::string(49, 'C'));
    EXPECT_EQ(track.circuit.view(), std::string(39, 'P'));
    EXPECT_EQ(track.protectionSeconds, 2);
    EXPECT_EQ(parseTrack("a\tb\tc\t12345\t\r\n").protectionSeconds, 999);
}

class ParticipantsSectionTest : public test::NewRaceFileTest {};

TEST_F(ParticipantsSectionTest, twoHundredLinesWithFreePlacesAsEmptyFields) {
    ParticipantTable table;
    table[0].name = "Alice Martin";
    table[0].transponder = "123456";
    table[0].frequencies[0] = "27.095";
    table[0].frequencies[4] = "2.4Ghz";
    table[1].name = "Bruno";
    {
        SectionFile file(path());
        ASSERT_EQ(writeParticipants(file, 3, table), WriteStatus::Written);
    }
    std::string content = "Alice Martin\t123456\t27.095\t\t\t\t2.4Ghz\t\r\n"
                          "Bruno\t\t\t\t\t\t\t\r\n";
    for (int i = 2; i < 200; ++i)
        content += "\t\t\t\t\t\t\t\r\n";
    EXPECT_EQ(read(), withSection(kCat + "3ListeParticipants", 9000, content));

    SectionFile file(path());
    ParticipantTable back;
    back[150].name = "stale";
    ASSERT_TRUE(readParticipants(file, 3, back));
    EXPECT_EQ(back[0].name, "Alice Martin");
    EXPECT_EQ(back[0].transponder, "123456");
    EXPECT_EQ(back[0].frequencies[0], "27.095");
    EXPECT_EQ(back[0].frequencies[4], "2.4Ghz");
    EXPECT_EQ(back[1].name, "Bruno");
    EXPECT_TRUE(back[150].isFree());
    EXPECT_EQ(participantCount(back), 2);
}

TEST_F(ParticipantsSectionTest, missingSectionLeavesEveryPlaceFree) {
    SectionFile file(path());
    ParticipantTable table;
    table[7].name = "stale";
    EXPECT_FALSE(readParticipants(file, 1, table));
    EXPECT_EQ(participantCount(table), 0);
}

TEST(ParticipantsSection, overlongFieldsAreCutToTheirWidth) {
    ParticipantTable table;
    parseParticipants(std::string(45, 'N') + "\t12345678\t" + std::string(9, 'F') + "\t\r\n",
                      table);
    EXPECT_EQ(table[0].name.view(), std::string(39, 'N'));
    EXPECT_EQ(table[0].transponder, "123456");
    EXPECT_EQ(table[0].frequencies[0].view(), std::string(6, 'F'));
    EXPECT_TRUE(table[1].isFree());
}

} // namespace
} // namespace racedesk
