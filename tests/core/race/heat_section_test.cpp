#include "core/common/field_reader.h"
#include "core/race/heat_section.h"
#include "core/race/section_titles.h"
#include "core/timing/run_engine.h"
#include "section_test_support.h"

#include <gtest/gtest.h>
#include <memory>

namespace racedesk {
namespace {

using test::kCat;

const std::string kEmptyLine = "(NA)\t0\t0\t1500000000\t0\t1500000000\t1500000000\t\r\n";

// Alice's three laps of 20.5 s, 20.9 s and 20.1 s; the first lap never counts as best.
HeatRecordLine aliceLine() {
    HeatRecordLine line;
    line.name = "Alice";
    line.passings = 3;
    line.laps = 3;
    line.totalTime = 61500;
    line.lastLap = 20100;
    line.bestLap = 20100;
    line.cumulativeTimes[0] = 0;
    line.cumulativeTimes[1] = 20500;
    line.cumulativeTimes[2] = 41400;
    line.cumulativeTimes[3] = 61500;
    return line;
}
const std::string kAliceLine = "Alice\t3\t3\t61500\t20100\t20100\t0\t20500\t41400\t61500\t\r\n";

std::unique_ptr<CarSlots> emptySlots() {
    auto slots = std::make_unique<CarSlots>();
    for (CarSlot& s : *slots)
        s.name = kEmptySlotName;
    resetSlots(*slots);
    return slots;
}

TEST(HeatRecordLine, carLineHoldsNPlusSevenFields) {
    FieldWriter out;
    appendHeatRecordLine(out, aliceLine());
    EXPECT_EQ(out.contents(), kAliceLine);

    const HeatRecordLine back = parseHeatRecordLine("Alice\t3\t3\t61500\t20100\t20100\t0\t20500"
                                                    "\t41400\t61500\t");
    EXPECT_EQ(back.name, "Alice");
    EXPECT_EQ(back.passings, 3);
    EXPECT_EQ(back.laps, 3);
    EXPECT_EQ(back.totalTime, 61500);
    EXPECT_EQ(back.lastLap, 20100);
    EXPECT_EQ(back.bestLap, 20100);
    EXPECT_EQ(back.cumulativeTimes[1], 20500);
    EXPECT_EQ(back.cumulativeTimes[3], 61500);
}

TEST(HeatRecordLine, damagedLineIsClampedToTheSlotTables) {
    const std::string name(60, 'x');
    std::string text = name + "\t5000\t-8\t1\t2\t3\t";
    for (int j = 0; j < 400; ++j)
        text += std::to_string(j) + "\t";
    const HeatRecordLine line = parseHeatRecordLine(text);
    EXPECT_EQ(line.name.view(), std::string(39, 'x'));
    EXPECT_EQ(line.passings, 300);
    EXPECT_EQ(line.laps, 0);
    EXPECT_EQ(line.cumulativeTimes[300], 300);

    EXPECT_EQ(parseHeatRecordLine("Bob\t-2\t1\t\t").passings, 0);
    // A line cut after its name keeps an empty slot's values for what it lacks.
    const HeatRecordLine cut = parseHeatRecordLine("Bob\t");
    EXPECT_EQ(cut.name, "Bob");
    EXPECT_EQ(cut.totalTime, kNoTime);
}

TEST(RunSummary, conditionIsReadOnlyWhenTheLineGoesOnAfterTheComment) {
    RunSummary s;
    s.condition = "Pluie";
    parseRunSummary("Dur\xE9"
                    "e 5:00\tGlissant\t",
                    s);
    EXPECT_EQ(s.summary, "Dur\xE9"
                         "e 5:00");
    EXPECT_EQ(s.comment, "Glissant");
    EXPECT_EQ(s.condition, "Pluie");

    parseRunSummary("a\tb\tGlace\t", s);
    EXPECT_EQ(s.condition, "Glace");
    parseRunSummary("a\tb", s);
    EXPECT_EQ(s.comment, "b");
    EXPECT_EQ(s.condition, "Glace");
    // A third field that is there but empty is read as it stands.
    parseRunSummary("a\tb\t\t", s);
    EXPECT_EQ(s.condition, "");

    FieldWriter out;
    RunSummary written;
    written.summary = ".";
    appendRunSummary(out, written);
    EXPECT_EQ(out.contents(), ".\t\tSec\t\r\n");
}

TEST(RunSummary, longTextsAreCutToTheirWidths) {
    RunSummary s;
    parseRunSummary(std::string(150, 's') + "\t" + std::string(150, 'c') + "\tPluieBattante\t", s);
    EXPECT_EQ(s.summary.size(), 104u);
    EXPECT_EQ(s.comment.size(), 98u);
    EXPECT_EQ(s.condition, "Pluie");
}

TEST(StoredRun, emptySlotsAreStoredAsNoTime) {
    auto slots = emptySlots();
    // Whatever an empty slot was left holding, it is stored as an empty slot.
    (*slots)[4].passings = 7;
    (*slots)[4].laps = 2;
    RunSummary summary;
    const auto run = std::make_unique<StoredRun>(storedRunFromSlots(*slots, summary, 0));
    FieldWriter out;
    appendHeatRecordLine(out, run->cars[4]);
    EXPECT_EQ(out.contents(), kEmptyLine);
}

class HeatSectionTest : public test::NewRaceFileTest {};

TEST_F(HeatSectionTest, qualifyingHeatIsTwentyCarLinesAndTheSummary) {
    auto run = std::make_unique<StoredRun>();
    run->cars[0] = aliceLine();
    run->summary.summary = "Dur\xE9"
                           "e 5:00";
    run->summary.comment = "Piste humide";
    run->summary.condition = "Pluie";
    const std::string title = heatTitle(1, 2, 3);
    {
        SectionFile file(path());
        ASSERT_EQ(writeStoredRun(file, title, 4, *run), WriteStatus::Written);
    }
    std::string content = kAliceLine;
    for (int i = 1; i < 20; ++i)
        content += kEmptyLine;
    content += "Dur\xE9"
               "e 5:00\tPiste humide\tPluie\t\r\n";
    // 617 · 4 + 565 units for heats of 4 drivers.
    EXPECT_EQ(read(), withSection(kCat + "1M2S3", 3033, content));

    SectionFile file(path());
    auto back = std::make_unique<StoredRun>();
    ASSERT_TRUE(readStoredRun(file, title, *back));
    EXPECT_EQ(back->cars[0].name, "Alice");
    EXPECT_EQ(back->cars[0].cumulativeTimes[2], 41400);
    EXPECT_EQ(back->cars[19].name, "(NA)");
    EXPECT_EQ(back->summary.comment, "Piste humide");
    EXPECT_EQ(back->summary.condition, "Pluie");
    EXPECT_EQ(file.body(title)->size(), 2u * 3033 + 2);
}

TEST_F(HeatSectionTest, finalHasItsStateOnAFirstLine) {
    auto run = std::make_unique<StoredRun>();
    run->state = kFinalStored;
    run->cars[0] = aliceLine();
    const std::string title = finalTitle(1, 2, true);
    {
        SectionFile file(path());
        EXPECT_EQ(readFinalState(file, title), kFinalNotStored);
        ASSERT_EQ(writeStoredRun(file, title, 10, *run), WriteStatus::Written);
    }
    std::string content = "1\t\r\n" + kAliceLine;
    for (int i = 1; i < 20; ++i)
        content += kEmptyLine;
    content += "\t\tSec\t\r\n";
    // 1376 · 10 + 587 units for finals of 10 drivers.
    EXPECT_EQ(read(), withSection(kCat + "1Remont\xE9"
                                         "es4A",
                                  14347, content));

    // The final it feeds is stored: its state becomes 2, its results stay.
    SectionFile file(path());
    ASSERT_EQ(file.overwriteFirstInteger(title, kFinalUsedAbove), WriteStatus::Written);
    EXPECT_EQ(readFinalState(file, title), kFinalUsedAbove);
    auto back = std::make_unique<StoredRun>();
    ASSERT_TRUE(readStoredRun(file, title, *back));
    EXPECT_EQ(back->state, kFinalUsedAbove);
    EXPECT_EQ(back->cars[0].totalTime, 61500);
    EXPECT_EQ(back->cars[1].name, "(NA)");
}

TEST_F(HeatSectionTest, missingSectionLeavesTheRunAsTheCallerFilledIt) {
    SectionFile file(path());
    auto run = std::make_unique<StoredRun>();
    run->cars[0].name = "Chosen";
    run->summary.comment = "kept";
    EXPECT_FALSE(readStoredRun(file, heatTitle(1, 1, 1), *run));
    EXPECT_EQ(run->cars[0].name, "Chosen");
    EXPECT_EQ(run->summary.comment, "kept");
}

TEST_F(HeatSectionTest, slotsStoredAndRestored) {
    auto slots = emptySlots();
    CarSlot& alice = (*slots)[2];
    alice.name = "Alice";
    alice.passings = 3;
    alice.laps = 3;
    alice.totalTime = 61500;
    alice.bestLap = 20100;
    alice.cumulativeTimes = {0, 20500, 41400, 61500};
    alice.lapTimes = {0, 20500, 20900, 20100};
    RunSummary summary;
    summary.summary = "D";
    summary.comment = "C";
    summary.condition = "Glace";
    const std::string title = heatTitle(2, 1, 1);
    {
        SectionFile file(path());
        const auto stored = std::make_unique<StoredRun>(storedRunFromSlots(*slots, summary, 0));
        ASSERT_EQ(writeStoredRun(file, title, 8, *stored), WriteStatus::Written);
    }
    SectionFile file(path());
    ASSERT_NE(read().find(kAliceLine), std::string::npos);
    auto run = std::make_unique<StoredRun>();
    ASSERT_TRUE(readStoredRun(file, title, *run));
    auto back = std::make_unique<CarSlots>();
    restoreSlots(*run, *back);
    const CarSlot& restored = (*back)[2];
    EXPECT_EQ(restored.name, "Alice");
    EXPECT_EQ(restored.passings, 3);
    EXPECT_EQ(restored.laps, 3);
    EXPECT_EQ(restored.totalTime, 61500);
    EXPECT_EQ(restored.bestLap, 20100);
    EXPECT_EQ(restored.lapTimes[3], 20100);
    EXPECT_EQ(restored.cumulativeTimes[2], 41400);
    EXPECT_EQ((*back)[0].name, "(NA)");
    EXPECT_EQ((*back)[0].totalTime, kNoTime);
    EXPECT_EQ((*back)[0].cumulativeTimes[0], kNoTime);
    EXPECT_EQ(run->summary.condition, "Glace");
}

TEST_F(HeatSectionTest, fullRunLargerThanItsAreaRoundTripsAndAShorterRewriteReadsAlone) {
    auto full = std::make_unique<StoredRun>();
    for (int i = 0; i < 20; ++i) {
        HeatRecordLine& car = full->cars[std::size_t(i)];
        car.name = "Car" + std::to_string(i);
        car.passings = 300;
        car.laps = 300;
        for (int j = 0; j <= 300; ++j)
            car.cumulativeTimes[std::size_t(j)] = 1'000'000 + j * 1000 + i;
    }
    const std::string title = heatTitle(1, 1, 1);
    {
        SectionFile file(path());
        // Heats of 1 driver reserve far less than 20 cars of 300 passings take.
        ASSERT_EQ(writeStoredRun(file, title, 1, *full), WriteStatus::Written);
    }
    {
        SectionFile file(path());
        auto back = std::make_unique<StoredRun>();
        ASSERT_TRUE(readStoredRun(file, title, *back));
        EXPECT_EQ(back->cars[19].passings, 300);
        EXPECT_EQ(back->cars[19].cumulativeTimes[300], 1'000'000 + 300 * 1000 + 19);
        auto shorter = std::make_unique<StoredRun>();
        shorter->cars[0] = aliceLine();
        ASSERT_EQ(writeStoredRun(file, title, 1, *shorter), WriteStatus::Written);
    }
    SectionFile file(path());
    auto back = std::make_unique<StoredRun>();
    ASSERT_TRUE(readStoredRun(file, title, *back));
    EXPECT_EQ(back->cars[0].passings, 3);
    EXPECT_EQ(back->cars[1].name, "(NA)");
    EXPECT_EQ(back->cars[19].passings, 0);
    EXPECT_EQ(back->summary.condition, "Sec");
}

TEST(StoredRun, damagedCarLineDoesNotShiftTheOthers) {
    std::string body =
        std::string(60, 'L') + "\t9999\t2\t100\t50\t50\t0\t50\t\r\n\r\n" + kAliceLine;
    auto run = std::make_unique<StoredRun>();
    parseStoredRun(body, false, *run);
    EXPECT_EQ(run->cars[0].name.size(), 39u);
    EXPECT_EQ(run->cars[0].passings, 300);
    EXPECT_EQ(run->cars[1].name, "Alice");
    EXPECT_EQ(run->cars[1].totalTime, 61500);
    EXPECT_EQ(run->cars[2].name, "(NA)");

    auto slots = emptySlots();
    restoreSlots(*run, *slots);
    EXPECT_EQ((*slots)[0].passings, 300);
    EXPECT_EQ((*slots)[0].lapTimes[300], 50);
}

TEST(StoredRun, unitsAndMessagesFollowTheKindOfRun) {
    EXPECT_EQ(heatUnits(10), 6735);
    EXPECT_EQ(finalUnits(1), 1963);
    EXPECT_EQ(storedRunUnits(heatTitle(1, 1, 1), 10), 6735);
    EXPECT_EQ(storedRunUnits(finaleTitle(1), 1), 1963);
    EXPECT_EQ(storedRunTitleNotFound(heatTitle(1, 1, 1)), Text::ErrTitleQualifyingHeat);
    EXPECT_EQ(storedRunTitleNotFound(finalTitle(1, 1, false)), Text::ErrTitleFinalsRun);
}

} // namespace
} // namespace racedesk
