#include "core/race/transfer_files.h"

#include "core/timing/run_engine.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::TempFolder;

TEST(TransferFiles, aDriversResultListsThePassingTimesFromTheStartThenTheRun) {
    TempFolder folder;
    CarSlots slots;
    emptySlots(slots);
    CarSlot& car = slots[0];
    car.name = "Jean Dupont";
    resetSlots(slots);
    car.passings = 2;
    car.cumulativeTimes[1] = 21'500;
    car.cumulativeTimes[2] = 41'900;
    ASSERT_TRUE(writeDriverResult(folder.file("r.res"), car, " Cat - Manche1 - S\xE9rie2 ",
                                  "Piste du Lac",
                                  "Dur\xE9"
                                  "e 0:05:00"));
    EXPECT_EQ(folder.read("r.res"), "Jean Dupont\t2\t0\t21500\t41900\t\r\n"
                                    " Cat - Manche1 - S\xE9rie2 \tPiste du Lac\tDur\xE9"
                                    "e 0:05:00\t\r\n");
}

TEST(TransferFiles, theHeatCommentRoundTripsAndAMissingFileKeepsTheRecord) {
    TempFolder folder;
    HeatComment c;
    c.condition = "Glace";
    c.comment = "piste glissante, virage 3";
    ASSERT_TRUE(writeHeatComment(folder.file("c.res"), c));
    EXPECT_EQ(folder.read("c.res"), "Glace\tpiste glissante, virage 3\t\r\n");
    HeatComment back;
    ASSERT_TRUE(readHeatComment(folder.file("c.res"), back));
    EXPECT_EQ(back.condition.view(), "Glace");
    EXPECT_EQ(back.comment.view(), "piste glissante, virage 3");
    EXPECT_FALSE(readHeatComment(folder.file("none.res"), back));
    EXPECT_EQ(back.condition.view(), "Glace");
}

} // namespace
} // namespace racedesk
