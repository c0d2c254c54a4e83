// The board handed from the tick to the live results server: what is published, when, and
// what the server's reader gets of it.
#include "core/app/tick.h"
#include "core/live/live_feed.h"
#include "core/live/live_json.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::TestProgram;

struct LiveFeedTest : ::testing::Test {
    TestProgram t;

    void SetUp() override {
        t.connectKt2();
        t.loadHeat({"Lucas Martin", "Emma Bernard", "Hugo Petit"});
    }
    std::uint64_t latestNumber() {
        std::uint64_t n = 0;
        t.program.live.latest(n);
        return n;
    }
};

TEST_F(LiveFeedTest, serverOff_tickPublishesNothing) {
    t.runTicks(200);
    EXPECT_EQ(latestNumber(), 0u);
}

TEST_F(LiveFeedTest, passings_publishTheBoardRowsOncePerChange) {
    t.program.live.on = true;
    ASSERT_TRUE(t.startAndRun());
    const std::uint64_t started = latestNumber();
    ASSERT_GT(started, 0u);

    // Within one second nothing on the board changes: no new snapshot, however many ticks.
    t.runTicks(300);
    const std::uint64_t quiet = latestNumber();
    t.runTicks(300);
    EXPECT_LE(latestNumber(), quiet + 1) << "only the clock's second may have turned";

    t.serial.arrive(test::kt2Passing(1002, 4000));
    t.runTicks(10);
    std::uint64_t number = 0;
    const LiveSnapshot& s = t.program.live.latest(number);
    EXPECT_GT(number, quiet);
    ASSERT_EQ(s.rowCount, 3);
    for (int i = 0; i < 3; ++i) {
        const BoardRow& board = t.program.rows[std::size_t(i)];
        const BoardRow& live = s.rows[std::size_t(i)];
        EXPECT_EQ(live.name, board.name);
        EXPECT_EQ(live.laps, board.laps);
        EXPECT_EQ(live.totalTime, board.totalTime);
        EXPECT_EQ(live.gapToLeader, board.gapToLeader);
        EXPECT_EQ(live.bestLap, board.bestLap);
    }
    EXPECT_EQ(s.rows[0].name, "Emma Bernard") << "the car that passed leads";
    EXPECT_EQ(s.rows[0].laps, "1");
    EXPECT_EQ(s.elapsedText, t.program.run.elapsedText);

    // The reader keeps its snapshot until it asks again, whatever the tick publishes meanwhile.
    t.serial.arrive(test::kt2Passing(1001, 4500));
    t.runTicks(10);
    EXPECT_EQ(s.rows[1].laps, "0") << "the reader's copy changed under it";
    const LiveSnapshot& next = t.program.live.latest(number);
    EXPECT_EQ(next.rows[1].name, "Lucas Martin");
    EXPECT_EQ(next.rows[1].laps, "1");
}

TEST_F(LiveFeedTest, waitAfter_returnsOnPublishOrRelease) {
    t.program.live.on = true;
    tick(t.program);
    const std::uint64_t first = latestNumber();
    ASSERT_EQ(first, 1u);
    // Nothing new: the wait runs out and gives the same number.
    EXPECT_EQ(t.program.live.waitAfter(first, std::chrono::milliseconds(20)), first);
    t.program.run.countdownText = "9s";
    tick(t.program);
    EXPECT_EQ(t.program.live.waitAfter(first, std::chrono::milliseconds(0)), first + 1);
    t.program.live.release();
    const auto began = std::chrono::steady_clock::now();
    t.program.live.waitAfter(first + 1, std::chrono::seconds(30));
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(5));
}

TEST(LiveJson, snapshotTexts_areUtf8AndEscaped) {
    LiveSnapshot s{};
    s.runTitle = " Tourisme \"1/10\" - S\xE9rie1 ";
    s.rowCount = 2;
    s.rows[0].name = "L\xE9"
                     "a \\ Durand";
    s.rows[0].laps = "12";
    s.rows[0].finished = true;
    s.rows[1].name = std::string_view("Tab\there", 8);
    const std::string json = snapshotJson(s, 42);
    EXPECT_NE(json.find("\"number\":42"), std::string::npos);
    EXPECT_NE(json.find(R"("title":" Tourisme \"1/10\" - Série1 ")"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("name":"Léa \\ Durand")"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("name":"Tab\u0009here")"), std::string::npos) << json;
    EXPECT_NE(json.find(R"("laps":"12")"), std::string::npos);
    EXPECT_NE(json.find(R"("finished":true,"justPassed":false)"), std::string::npos) << json;
    // Two rows, no more: the empty ones of the 20 stay out.
    std::size_t rows = 0;
    for (std::size_t at = json.find("\"pos\""); at != std::string::npos;
         at = json.find("\"pos\"", at + 1))
        ++rows;
    EXPECT_EQ(rows, 2u);
}

} // namespace
} // namespace racedesk
