#include "core/race/results_editing.h"

#include "core/app/program.h"
#include "core/settings/display_settings.h"
#include "core/timing/ranking.h"
#include "core/timing/run_engine.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TestProgram;

// Field indexes, 0 to 12, for fields 6201 to 6213.
constexpr int kLaps = 0;
constexpr int kTotalHours = 1;
constexpr int kTotalMinutes = 2;
constexpr int kTotalSeconds = 3;
constexpr int kTotalMillis = 4;
constexpr int kLastMinutes = 6;
constexpr int kLastSeconds = 7;
constexpr int kLastMillis = 8;
constexpr int kBestSeconds = 11;
constexpr int kBestMillis = 12;

TEST(ResultFields, minutesAndSecondsAboveFiftyNineBecomeFiftyNine) {
    EXPECT_EQ(clampResultField(kTotalMinutes, 75), 59);
    EXPECT_EQ(resultFieldText(kTotalMinutes, clampResultField(kTotalMinutes, 75)), "59");
    EXPECT_EQ(clampResultField(kTotalSeconds, 60), 59);
    EXPECT_EQ(clampResultField(kLastMinutes, 59), 59);
    EXPECT_EQ(clampResultField(kBestSeconds, 99), 59);
    EXPECT_EQ(clampResultField(kTotalMillis, 999), 999) << "milliseconds keep their 3 digits";
    EXPECT_EQ(clampResultField(kLaps, 250), 250);
}

TEST(ResultFields, noValueHasMoreDigitsThanItsFieldNorIsNegative) {
    const int digits[kResultFieldCount] = {3, 1, 2, 2, 3, 1, 2, 2, 3, 1, 2, 2, 3};
    for (int field = 0; field < kResultFieldCount; ++field)
        EXPECT_EQ(resultFieldDigits(field), digits[field]) << "field " << 6201 + field;
    EXPECT_EQ(clampResultField(kLaps, 1200), 999);
    EXPECT_EQ(clampResultField(kTotalHours, 12), 9);
    EXPECT_EQ(clampResultField(kBestMillis, -4), 0);
}

TEST(ResultFields, showTheirNumbersInTheirOwnWidth) {
    EXPECT_EQ(resultFieldText(kLaps, 7), "7");
    EXPECT_EQ(resultFieldText(kTotalHours, 1), "1");
    EXPECT_EQ(resultFieldText(kTotalMinutes, 4), "04");
    EXPECT_EQ(resultFieldText(kLastSeconds, 0), "00");
    EXPECT_EQ(resultFieldText(kLastMillis, 7), "007");
}

TEST(ResultFields, standOverTheCellsOfTheirRow) {
    const BoardLayout layout = layoutBoard(1366, 768, defaultDisplaySettings().columnWidths);
    const Rect laps = layout.cell(2, kLapsColumn);
    const Rect lapsField = resultFieldRect(layout, 2, kLaps);
    EXPECT_EQ(lapsField.left, laps.left);
    EXPECT_EQ(lapsField.right, laps.right);
    EXPECT_EQ(lapsField.top, laps.top);
    const Rect best = layout.cell(2, kBestLapColumn);
    EXPECT_EQ(resultFieldRect(layout, 2, 9).left, best.left) << "best lap hours";
    EXPECT_EQ(resultFieldRect(layout, 2, kBestMillis).right, best.right);
    for (int field = 10; field <= kBestMillis; ++field) {
        EXPECT_EQ(resultFieldRect(layout, 2, field).left,
                  resultFieldRect(layout, 2, field - 1).right)
            << "the four parts side by side";
        EXPECT_GT(resultFieldRect(layout, 2, field).width(), 0);
    }
    const Rect total = layout.cell(2, kTotalColumn);
    EXPECT_EQ(resultFieldRect(layout, 2, kTotalHours).left, total.left);
}

// A stored heat of three drivers on the board, Boris in slot 2 and slot 5 (a duplicate name).
struct Editing : ::testing::Test {
    TestProgram t;
    Program& p = t.program;

    void SetUp() override {
        t.loadHeat({"Anna", "Boris", "Chloe", "(NA)", "Boris"});
        p.loaded.sectionTitle = "Cat\xE9gorie1M1S1";
        result(0, 10, 300'500, 12, 28'100, 27'000);
        result(1, 11, 301'000, 11, 27'400, 26'500);
        result(2, 9, 299'000, 9, 31'000, 30'000);
        result(4, 11, 301'000, 11, 27'400, 26'500);
        p.run.ready = false;
        rankRun(p.slots, p.run.ranking, p.entryCount, p.entries, p.rows);
    }
    void result(int slot, int laps, RaceTime total, int passings, RaceTime last, RaceTime best) {
        CarSlot& s = p.slots[std::size_t(slot)];
        s.laps = laps;
        s.totalTime = total;
        s.passings = passings;
        s.lapTimes[std::size_t(passings)] = last;
        s.bestLap = best;
        for (int j = 1; j <= passings; ++j)
            s.cumulativeTimes[std::size_t(j)] = total * j / passings;
    }
    int rowOf(const char* name) const {
        for (int i = 0; i < p.entryCount; ++i) {
            if (p.rows[std::size_t(i)].name == name)
                return i;
        }
        return -1;
    }
};

TEST_F(Editing, theCommandIsOfferedOnlyForALoadedWritableRunNotRunning) {
    EXPECT_TRUE(canEditResults(p));
    p.loaded.readOnly = true;
    EXPECT_FALSE(canEditResults(p));
    EXPECT_FALSE(loadedRunEditable(p.loaded));
    EXPECT_FALSE(beginResultsEditing(p));
    p.loaded.readOnly = false;
    p.run.running = true;
    EXPECT_FALSE(canEditResults(p));
    EXPECT_TRUE(loadedRunEditable(p.loaded)) << "the run's lock of the menus covers the run";
    p.run.running = false;
    p.run.countdown = true;
    EXPECT_FALSE(canEditResults(p));
    p.run.countdown = false;
    p.loaded.sectionTitle.clear();
    EXPECT_FALSE(canEditResults(p));
    EXPECT_FALSE(loadedRunEditable(p.loaded));
}

TEST_F(Editing, aRowOpensOnlyInEditingModeWithABeepAndItsDriversValues) {
    ResultsEdit edit;
    const int anna = rowOf("Anna");
    EXPECT_FALSE(openResultsEdit(p, anna, edit)) << "not in editing mode yet";
    ASSERT_TRUE(beginResultsEditing(p));
    EXPECT_FALSE(openResultsEdit(p, p.entryCount, edit)) << "a row without a driver";
    ASSERT_TRUE(openResultsEdit(p, anna, edit));
    EXPECT_TRUE(t.sound.played("sons/beep1.wav"));
    EXPECT_EQ(edit.row, anna);
    const ResultValues expected = {10, 0, 5, 0, 500, 0, 0, 28, 100, 0, 0, 27, 0};
    EXPECT_EQ(edit.values, expected);
}

TEST_F(Editing, anEditedTimeGoesToTheRowAndEverySlotOfThatDriver) {
    ASSERT_TRUE(beginResultsEditing(p));
    ResultsEdit edit;
    const int boris = rowOf("Boris");
    ASSERT_TRUE(openResultsEdit(p, boris, edit));
    EXPECT_EQ(editResultField(p, edit, kTotalMinutes, 75), 59);
    const RaceTime total = 59 * 60'000 + 1'000;
    EXPECT_EQ(p.slots[1].totalTime, total);
    EXPECT_EQ(p.slots[4].totalTime, total) << "the same driver in another slot";
    EXPECT_EQ(p.rows[std::size_t(boris)].totalTime.view(), "59:01.000");

    editResultField(p, edit, kLastSeconds, 26);
    editResultField(p, edit, kLastMillis, 90);
    EXPECT_EQ(p.slots[1].lapTimes[11], 26'090) << "the lap time of index n";
    EXPECT_EQ(p.slots[4].lapTimes[11], 26'090);
    EXPECT_EQ(p.rows[std::size_t(boris)].lastLap.view(), "26.090");

    editResultField(p, edit, kBestSeconds, 25);
    EXPECT_EQ(p.slots[1].bestLap, 25'500);
    EXPECT_EQ(p.rows[std::size_t(boris)].bestLap.view(), "25.500");

    editResultField(p, edit, kLaps, 14);
    EXPECT_EQ(p.slots[1].laps, 14);
    EXPECT_EQ(p.slots[4].laps, 14);
    EXPECT_EQ(p.slots[1].passings, 11) << "the passings read stay as they were";
    EXPECT_EQ(p.rows[std::size_t(boris)].laps.view(), "14");
    EXPECT_EQ(p.slots[0].totalTime, 300'500) << "the other drivers are untouched";
}

TEST_F(Editing, afterAnEditTheRunCanNoLongerBeStarted) {
    p.run.ready = true;
    ASSERT_TRUE(beginResultsEditing(p));
    ResultsEdit edit;
    ASSERT_TRUE(openResultsEdit(p, 0, edit));
    editResultField(p, edit, kLaps, 3);
    EXPECT_FALSE(p.run.ready);
    startRun(p);
    EXPECT_FALSE(p.run.countdown);
    EXPECT_FALSE(p.run.inProgress());
}

TEST_F(Editing, printingLeavesEditingModeAndRanksTheBoardWithTheEditedValues) {
    ASSERT_EQ(rowOf("Boris"), 0);
    ASSERT_TRUE(beginResultsEditing(p));
    ResultsEdit edit;
    const int chloe = rowOf("Chloe");
    ASSERT_TRUE(openResultsEdit(p, chloe, edit));
    editResultField(p, edit, kLaps, 12);
    EXPECT_EQ(rowOf("Chloe"), chloe) << "the row keeps its place while it is edited";
    reorderBoardForPrint(p);
    EXPECT_FALSE(p.loaded.editingResults);
    EXPECT_EQ(rowOf("Chloe"), 0);
    EXPECT_EQ(p.rows[0].position.view(), "1");
    EXPECT_EQ(p.rows[0].laps.view(), "12");
    EXPECT_EQ(rowOf("Anna"), 3) << "behind both Boris slots";
}

TEST_F(Editing, endingEditingModeClosesTheWayToTheFields) {
    ASSERT_TRUE(beginResultsEditing(p));
    endResultsEditing(p);
    ResultsEdit edit;
    EXPECT_FALSE(openResultsEdit(p, 0, edit));
}

} // namespace
} // namespace racedesk
