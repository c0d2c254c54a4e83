#include "core/race/driver_details_rules.h"

#include "core/race/participants_section.h"
#include "core/race/section_file.h"
#include "core/race/section_titles.h"
#include "core/race/working_race_file.h"
#include "core/timing/decoder_link.h"
#include "core/timing/interface_settings.h"
#include "core/timing/run_engine.h"
#include "support/recording_canvas.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::kt1Passing;
using test::kt2Passing;
using test::TestProgram;

TEST(DriverDetailsPlace, theParticipantItemGivesItsPlaceWithinTheTwoHundred) {
    EXPECT_EQ(detailsPlace(11001), 0);
    EXPECT_EQ(detailsPlace(31043), 42);
    EXPECT_EQ(detailsPlace(21200), 199);
    EXPECT_EQ(detailsPlace(11000), -1);
    EXPECT_EQ(detailsPlace(11201), -1);
    EXPECT_EQ(detailsPlace(1000), -1);
    EXPECT_EQ(detailsPlace(13101), -1);
}

TEST(ScanLight, fourPicturesOfTwentyHundredthsWithAGapAfterEach) {
    const std::vector<std::pair<int, int>> expected = {{0, 1},  {19, 1}, {20, 0}, {21, 2}, {40, 2},
                                                       {41, 0}, {42, 3}, {61, 3}, {62, 0}, {63, 4},
                                                       {82, 4}, {83, 0}, {84, 0}, {-1, 0}};
    for (const auto& [hundredths, frame] : expected)
        EXPECT_EQ(scanLightFrame(hundredths), frame) << hundredths;
}

TEST(ScanLight, theCycleRestartsFromTheCurrentTimeAt84) {
    constexpr std::int64_t f = 1'000'000; // one tick a microsecond
    ScanLight light{5'000'000, 1};
    EXPECT_FALSE(advanceScanLight(light, 5'000'000 + 150'000, f)); // 15: still the first
    EXPECT_TRUE(advanceScanLight(light, 5'000'000 + 250'000, f));  // 25
    EXPECT_EQ(light.frame, 2);
    EXPECT_FALSE(advanceScanLight(light, 5'000'000 + 415'000, f)); // 41: the gap keeps it
    EXPECT_EQ(light.frame, 2);
    EXPECT_TRUE(advanceScanLight(light, 5'000'000 + 700'000, f));
    EXPECT_EQ(light.frame, 4);
    EXPECT_TRUE(advanceScanLight(light, 5'000'000 + 845'000, f)); // 84.5: a new cycle
    EXPECT_EQ(light.frame, 1);
    EXPECT_EQ(light.start, 5'845'000);
    EXPECT_TRUE(advanceScanLight(light, 5'845'000 + 220'000, f));
    EXPECT_EQ(light.frame, 2);
}

TEST(ScanLight, paintedAtItsPlaceOnlyWhileOn) {
    test::RecordingCanvas canvas;
    paintScanLight(canvas, 0);
    EXPECT_TRUE(canvas.bitmaps.empty());
    paintScanLight(canvas, 3);
    ASSERT_EQ(canvas.bitmaps.size(), 1u);
    EXPECT_EQ(canvas.bitmaps[0].file, "images/voyantScanPuce3.bmp");
    EXPECT_EQ(canvas.bitmaps[0].target.left, 305);
    EXPECT_EQ(canvas.bitmaps[0].target.top, 125);
}

// Category 2 of a race, whose third participant the details dialog shows; a KT1 decoder.
struct DriverDetailsRules : ::testing::Test {
    TestProgram t;
    Program& p = t.program;

    void SetUp() override {
        ASSERT_TRUE(createWorkingRaceFile(p.path(kWorkingRaceFile)));
        RaceHeader header = newRaceHeader();
        header.categoryCount = 2;
        header.categories[1].name = "Buggy";
        header.selectedItem = 21003;
        ASSERT_EQ(writeRaceHeader(p.path(kWorkingRaceFile), header), WriteStatus::Written);
        ParticipantTable participants;
        const char* drivers[] = {"Anne", "Bruno", "Chloe", "Denis"};
        for (std::size_t i = 0; i < 4; ++i)
            participants[i].name = drivers[i];
        participants[2].transponder = "000777";
        participants[2].frequencies[1] = "27.145";
        writeList(2, participants);
        FrequencyTable frequencies;
        frequencies[0].frequency = "27.095";
        frequencies[1].frequency = "27.145";
        ASSERT_TRUE(writeFrequencies(p.path(kFrequenciesFile), frequencies));
        useDecoder(kTypeKt1);
    }

    void useDecoder(const char* type) {
        InterfaceSettings settings;
        settings.portName = "COM1";
        settings.connected = 1;
        settings.type = type;
        ASSERT_TRUE(writeInterfaceSettings(p.path(kInterfaceSettingsFile), settings));
        p.link.portName = "COM1";
        p.link.connected = 1;
        t.serial.open("COM1");
    }
    void writeList(int category, const ParticipantTable& participants) {
        SectionFile file(p.path(kWorkingRaceFile));
        ASSERT_EQ(writeParticipants(file, category, participants), WriteStatus::Written);
    }
    ParticipantTable fileList(int category) {
        SectionFile file(p.path(kWorkingRaceFile));
        ParticipantTable participants;
        EXPECT_TRUE(readParticipants(file, category, participants));
        return participants;
    }
    // The bytes arrive now; the dialog's timer then ticks once, 10 ms later.
    std::string tickWith(DriverDetails& d, const std::vector<std::uint8_t>& bytes) {
        t.serial.arrive(bytes);
        t.clock.advanceMs(10);
        return std::string(detailsTick(p, d).view());
    }
    static std::vector<std::uint8_t> joined(std::vector<std::vector<std::uint8_t>> parts) {
        std::vector<std::uint8_t> all;
        for (const auto& part : parts)
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }
};

TEST_F(DriverDetailsRules, openingShowsTheSelectedParticipantAndClaimsTheLink) {
    DriverDetails d;
    ASSERT_TRUE(openDriverDetails(p, d));
    EXPECT_EQ(d.category, 2);
    EXPECT_EQ(d.place, 2);
    EXPECT_EQ(d.driver().name, std::string_view("Chloe"));
    EXPECT_EQ(d.driver().transponder, std::string_view("000777"));
    EXPECT_EQ(d.frequencyCount, 2);
    EXPECT_EQ(d.kind, InterfaceKind::KT1);
    EXPECT_TRUE(p.link.claimed);
    EXPECT_TRUE(t.dialogs.messages.empty());
    closeDriverDetails(p, d);
    EXPECT_FALSE(p.link.claimed);
}

TEST_F(DriverDetailsRules, missingFilesAreReportedEachWithItsOwnMessage) {
    std::remove(p.path(kInterfaceSettingsFile).c_str());
    std::remove(p.path(kFrequenciesFile).c_str());
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(p.path(kWorkingRaceFile), header));
    header.selectedItem = 11003; // category 1 has no list
    ASSERT_EQ(writeRaceHeader(p.path(kWorkingRaceFile), header), WriteStatus::Written);
    DriverDetails d;
    EXPECT_TRUE(openDriverDetails(p, d));
    ASSERT_EQ(t.dialogs.messages.size(), 3u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Erreur: impossible d'ouvrir le fichier Interface Port COM");
    EXPECT_EQ(t.dialogs.messages[1].text,
              "Erreur: impossible d'ouvrir la base de données Frequences");
    EXPECT_EQ(t.dialogs.messages[2].text, "Erreur: liste de participants non trouvée");
    EXPECT_TRUE(d.driver().name.empty());

    // "OK" does not create the missing list.
    const std::string before = t.folder.read(kWorkingRaceFile);
    confirmDriverDetails(p, d);
    ASSERT_EQ(t.dialogs.messages.size(), 4u);
    EXPECT_EQ(t.dialogs.messages[3].text, "Erreur: liste des participants non trouvée");
    EXPECT_EQ(t.folder.read(kWorkingRaceFile), before);
}

TEST_F(DriverDetailsRules, anItemOutsideTheRacesCategoriesOpensNoDriver) {
    RaceHeader header;
    ASSERT_TRUE(readRaceHeader(p.path(kWorkingRaceFile), header));
    header.selectedItem = 31001; // the race has two categories
    ASSERT_EQ(writeRaceHeader(p.path(kWorkingRaceFile), header), WriteStatus::Written);
    DriverDetails d;
    EXPECT_FALSE(openDriverDetails(p, d));
    EXPECT_FALSE(typeTransponder(d, "123456"));
    const std::string before = t.folder.read(kWorkingRaceFile);
    confirmDriverDetails(p, d);
    EXPECT_EQ(t.folder.read(kWorkingRaceFile), before);
    closeDriverDetails(p, d);
    EXPECT_FALSE(p.link.claimed);
}

TEST_F(DriverDetailsRules, onlyASixDigitTransponderIsTaken) {
    DriverDetails d;
    ASSERT_TRUE(openDriverDetails(p, d));
    EXPECT_FALSE(typeTransponder(d, "12345"));
    EXPECT_EQ(d.driver().transponder, std::string_view("000777"));
    EXPECT_FALSE(typeTransponder(d, "12a456"));
    EXPECT_TRUE(typeTransponder(d, "123456"));
    EXPECT_EQ(d.driver().transponder, std::string_view("123456"));
    chooseFrequency(d, 4, "27.095");
    EXPECT_EQ(d.driver().frequencies[4], std::string_view("27.095"));
    chooseFrequency(d, 5, "27.145"); // there are five
    EXPECT_EQ(d.participants[3].name, std::string_view("Denis"));
}

TEST_F(DriverDetailsRules, okRewritesTheListWithTheEditedDriver) {
    DriverDetails d;
    ASSERT_TRUE(openDriverDetails(p, d));
    typeTransponder(d, "042042");
    chooseFrequency(d, 0, "27.095");
    confirmDriverDetails(p, d);
    const ParticipantTable back = fileList(2);
    EXPECT_EQ(back[2].transponder, std::string_view("042042"));
    EXPECT_EQ(back[2].frequencies[0], std::string_view("27.095"));
    EXPECT_EQ(back[2].frequencies[1], std::string_view("27.145"));
    EXPECT_EQ(back[3].name, std::string_view("Denis"));
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(DriverDetailsRules, duringAScanTwoCarsInOneTickLeaveTheSecondOnesNumber) {
    DriverDetails d;
    ASSERT_TRUE(openDriverDetails(p, d));
    startScan(p, d);
    EXPECT_EQ(d.light.frame, 1);
    EXPECT_EQ(tickWith(d, joined({kt1Passing(1234), kt1Passing(5678)})), "005678");
    EXPECT_EQ(d.driver().transponder, std::string_view("005678"));
    EXPECT_EQ(tickWith(d, {}), "");
    EXPECT_EQ(d.driver().transponder, std::string_view("005678"));
}

TEST_F(DriverDetailsRules, aKt1MessageCutBetweenTwoReadsIsDecodedWholeAndLaterOnesAreNotShifted) {
    DriverDetails d;
    ASSERT_TRUE(openDriverDetails(p, d));
    startScan(p, d);
    const std::vector<std::uint8_t> first = kt1Passing(0x0102);
    EXPECT_EQ(tickWith(d, {first[0]}), "");
    EXPECT_EQ(tickWith(d, {first[1]}), "000258");
    EXPECT_EQ(tickWith(d, kt1Passing(0x0A0B)), "002571");
    const std::vector<std::uint8_t> third = kt1Passing(300);
    EXPECT_EQ(tickWith(d, joined({kt1Passing(9), {third[0]}})), "000009");
    EXPECT_EQ(tickWith(d, joined({{third[1]}, kt1Passing(4000)})), "004000");
    EXPECT_EQ(tickWith(d, {}), "");
}

TEST_F(DriverDetailsRules, aKt2ScanSkipsNoiseAndTakesThePassingsTransponder) {
    useDecoder(kTypeKt2);
    DriverDetails d;
    ASSERT_TRUE(openDriverDetails(p, d));
    EXPECT_EQ(d.kind, InterfaceKind::KT2);
    startScan(p, d);
    EXPECT_EQ(tickWith(d, joined({{0x12, 0xFF, 0x00}, kt2Passing(4321, 65'000)})), "004321");
    EXPECT_EQ(tickWith(d, std::vector<std::uint8_t>(30, 0xFF)), "");
    EXPECT_EQ(tickWith(d, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C}),
              "");
    EXPECT_EQ(d.driver().transponder, std::string_view("004321"));
    // A passing cut in two reads is still taken.
    const std::vector<std::uint8_t> passing = kt2Passing(777, 70'000);
    EXPECT_EQ(tickWith(d, {passing.begin(), passing.begin() + 6}), "");
    EXPECT_EQ(tickWith(d, {passing.begin() + 6, passing.end()}), "000777");
}

TEST_F(DriverDetailsRules, whatArrivedBeforeTheScanOrWhileItIsOffIsDropped) {
    DriverDetails d;
    ASSERT_TRUE(openDriverDetails(p, d));
    EXPECT_EQ(tickWith(d, kt1Passing(1111)), ""); // not scanning: read and dropped
    t.serial.arrive(kt1Passing(2222));
    startScan(p, d);
    EXPECT_EQ(tickWith(d, {}), "");
    EXPECT_EQ(d.driver().transponder, std::string_view("000777"));
    EXPECT_EQ(t.serial.pendingBytes(), 0u);
    stopScan(d);
    EXPECT_FALSE(d.scanning);
    EXPECT_EQ(d.light.frame, 0);
    EXPECT_EQ(tickWith(d, kt1Passing(3333)), "");
    EXPECT_EQ(d.driver().transponder, std::string_view("000777"));
}

TEST_F(DriverDetailsRules, afterTheDialogTheBoardTakesTheTranspondersAndTheConflict) {
    ParticipantTable participants = fileList(2);
    participants[0].transponder = "000101";
    participants[0].frequencies[0] = "27.095";
    participants[1].frequencies[0] = "27.095";
    writeList(2, participants);
    t.loadHeat({"Anne", "Bruno", "Chloe"}, {"", "", ""});
    afterDriverDetails(p, 2);
    EXPECT_EQ(p.slots[0].transponder, std::string_view("000101"));
    EXPECT_EQ(p.slots[2].transponder, std::string_view("000777"));
    EXPECT_EQ(p.rows[0].transponder, std::string_view("000101"));
    EXPECT_TRUE(p.board.conflict);
    EXPECT_EQ(p.participants[1].name, std::string_view("Bruno"));
}

TEST_F(DriverDetailsRules, theRunOnTheBoardKeepsTheParticipantsOfItsOwnCategory) {
    ParticipantTable own;
    own[0].name = "Chloe";
    own[0].transponder = "000555";
    writeList(1, own);
    t.loadHeat({"Chloe"}, {""});
    p.loaded.sectionTitle = "Cat\xE9gorie1M1S1";
    p.loaded.category = 1;
    afterDriverDetails(p, 2); // a driver of category 2 was edited
    EXPECT_EQ(p.slots[0].transponder, std::string_view("000555"));
    EXPECT_FALSE(p.board.conflict);
}

} // namespace
} // namespace racedesk
