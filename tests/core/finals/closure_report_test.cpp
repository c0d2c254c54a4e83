#include "core/finals/closure_report.h"
#include "core/finals/finals_structure.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace racedesk {
namespace {

std::string q(int place) {
    return "Q" + std::to_string(place);
}

// A stored final whose drivers finish in the order given, the first with the most laps.
StoredRun ran(const std::vector<std::string>& order, int laps = 10) {
    StoredRun run;
    run.state = kFinalStored;
    for (std::size_t i = 0; i < order.size(); ++i) {
        run.cars[i].name = order[i];
        run.cars[i].laps = laps - int(i);
        run.cars[i].totalTime = 300'000 + RaceTime(i);
    }
    return run;
}

struct ClosureReportRows : ::testing::Test {
    std::unique_ptr<ClosureSources> s = std::make_unique<ClosureSources>();

    void compose(int participants, int drivers, int levels) {
        for (int i = 0; i < drivers; ++i)
            s->qualifying.push_back({DriverName(q(i)), 100 - i});
        s->composition = defaultFinalsComposition(participants);
        deriveDirectCounts(s->composition);
        s->levels = levels;
    }

    std::vector<std::string> column(std::string (*text)(const ClosureRow&)) const {
        std::vector<std::string> texts;
        for (const ClosureRow& row : closureRows(*s))
            texts.push_back(text(row));
        return texts;
    }
    static std::string name(const ClosureRow& r) { return std::string(r.name.view()); }
};

TEST_F(ClosureReportRows, beforeAnyFinalTheReportIsTheQualifyingClassification) {
    compose(28, 30, 2);
    const std::vector<ClosureRow> rows = closureRows(*s);
    ASSERT_EQ(rows.size(), 30u);
    for (int i = 0; i < 30; ++i) {
        const ClosureRow& row = rows[std::size_t(i)];
        EXPECT_EQ(row.name.view(), q(i));
        EXPECT_EQ(rankText(row), std::to_string(i + 1));
        EXPECT_EQ(levelText(row), "Q");
        EXPECT_EQ(resultText(row), "");
        EXPECT_EQ(row.qualifyingPlace, i + 1);
        EXPECT_EQ(row.qualifyingPoints, 100 - i);
    }
}

TEST_F(ClosureReportRows, withOnlyTheQuarterFinalsRunTheDirectQualifiersLeadThenAAndBInTurn) {
    compose(28, 30, 2); // direct 0, 14, 14
    s->finals[3] = ran({q(16), q(14), q(18)});
    s->finals[4] = ran({q(15), q(17)});
    std::vector<std::string> expected;
    for (int i = 0; i < 14; ++i)
        expected.push_back(q(i));
    for (const std::string& n : {q(16), q(15), q(14), q(17), q(18), q(28), q(29)})
        expected.push_back(n);
    EXPECT_EQ(column(name), expected);
    const std::vector<std::string> levels = column(levelText);
    EXPECT_EQ(levels[13], "Q");
    EXPECT_EQ(std::vector<std::string>(levels.begin() + 14, levels.begin() + 19),
              (std::vector<std::string>{"1/4A", "1/4B", "1/4A", "1/4B", "1/4A"}));
    EXPECT_EQ(levels[19], "Q");
    const std::vector<ClosureRow> rows = closureRows(*s);
    EXPECT_EQ(rows[16].place, 2);
    EXPECT_EQ(rows[16].laps, 9);
    EXPECT_EQ(rows[16].qualifyingPlace, 15);
    EXPECT_EQ(resultText(rows[16]), "9T en 5:00.001");
}

TEST_F(ClosureReportRows, afterTheFinalADriverWhoMovedUpIsRankedOnceAndShowsRBelow) {
    compose(14, 16, 1); // the Final takes 5 from each 1/2 final
    s->finals[1] = ran({q(4), q(0), q(2)});
    s->finals[2] = ran({q(1), q(3)});
    s->finals[0] = ran({q(1), q(4), q(0), q(3), q(2)});
    EXPECT_EQ(column(name), (std::vector<std::string>{q(1), q(4), q(0), q(3), q(2), q(4), q(1),
                                                      q(0), q(3), q(2), q(14), q(15)}));
    EXPECT_EQ(column(rankText), (std::vector<std::string>{"1", "2", "3", "4", "5", "R", "R", "R",
                                                          "R", "R", "6", "7"}));
    EXPECT_EQ(column(levelText),
              (std::vector<std::string>{"FIN", "FIN", "FIN", "FIN", "FIN", "1/2A", "1/2B", "1/2A",
                                        "1/2B", "1/2A", "Q", "Q"}));
}

TEST_F(ClosureReportRows, aLevelWithOnlyOneFinalRunLeavesTheReportAsBeforeTheFinals) {
    compose(40, 40, 3);
    s->finals[5] = ran({q(28), q(30)});
    s->finals[6] = ran({q(29)}, 0); // stored, nobody made a lap: not run
    EXPECT_FALSE(finalRun(*s, 6));
    const std::vector<std::string> levels = column(levelText);
    EXPECT_EQ(levels.size(), 40u);
    EXPECT_TRUE(std::all_of(levels.begin(), levels.end(), [](auto& l) { return l == "Q"; }));
}

TEST(ClosureReportTexts, resultsUnderAndOverAnHourAndTheEmptyOnesOfQualifiers) {
    ClosureRow row;
    row.level = 2;
    row.isA = false;
    row.laps = 41;
    row.totalTime = 3'600'000 + 2 * 60'000 + 3'456;
    EXPECT_EQ(resultText(row), "41T en 1:02:03.456");
    EXPECT_EQ(levelText(row), "1/4B");
    row.totalTime = 5 * 60'000 + 1'234;
    row.laps = 12;
    EXPECT_EQ(resultText(row), "12T en 5:01.234");
    row.rank = 0;
    EXPECT_EQ(rankText(row), "R");
    row.level = 11;
    row.isA = true;
    EXPECT_EQ(levelText(row), "1/2048A");
}

} // namespace
} // namespace racedesk
