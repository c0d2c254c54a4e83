// The closure report read from a race file: its qualifying order is the one the finals were
// filled from.
#include "core/finals/closure_report.h"
#include "core/race/classification_sections.h"
#include "core/race/participants_section.h"
#include "core/race/race_header.h"
#include "core/race/working_race_file.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

struct ClosureReportReading : ::testing::Test {
    test::TestProgram t;
    Program& p = t.program;

    // Ann won the only round, Bob came second, Cid third.
    void SetUp() override {
        ASSERT_TRUE(createWorkingRaceFile(p.path(kWorkingRaceFile)));
        SectionFile f(p.path(kWorkingRaceFile));
        RaceHeader header = newRaceHeader();
        header.categories[0].participants = 3;
        header.categories[0].rounds = 1;
        header.categories[0].finalsState = 1;
        ASSERT_EQ(writeRaceHeader(f, header), WriteStatus::Written);
        ParticipantTable participants;
        auto round = std::make_unique<RoundClassification>(defaultRoundClassification(3));
        const char* names[] = {"Ann", "Bob", "Cid"};
        for (int i = 0; i < 3; ++i) {
            participants[std::size_t(i)].name = names[i];
            round->entries[std::size_t(i)].name = names[i];
            round->entries[std::size_t(i)].points = 8 - 2 * i;
        }
        ASSERT_EQ(writeParticipants(f, 1, participants), WriteStatus::Written);
        ASSERT_EQ(writeRoundClassification(f, 1, 1, 3, *round), WriteStatus::Written);
    }

    std::vector<std::string> reported() {
        ClosureReport report;
        EXPECT_TRUE(openClosureReport(p, 1, report));
        std::vector<std::string> rows;
        for (const ClosureRow& row : report.rows)
            rows.push_back(std::string(row.name.view()) + " " +
                           std::to_string(row.qualifyingPlace) + " " +
                           std::to_string(row.qualifyingPoints));
        return rows;
    }
};

TEST_F(ClosureReportReading, theStoredOverallOrderHoldsOverARecomputedOne) {
    // Confirmed when Cid led; a round changed since, but the finals were filled from this.
    auto stored = std::make_unique<OverallClassification>();
    stored->names[0] = "Cid";
    stored->names[1] = "Ann";
    stored->names[2] = "Bob";
    SectionFile f(p.path(kWorkingRaceFile));
    ASSERT_EQ(writeOverallClassification(f, 1, 3, *stored), WriteStatus::Written);
    EXPECT_EQ(reported(), (std::vector<std::string>{"Cid 1 4", "Ann 2 8", "Bob 3 6"}));
}

TEST_F(ClosureReportReading, withoutAStoredOrderTheQualifyingIsClassifiedAfresh) {
    EXPECT_EQ(reported(), (std::vector<std::string>{"Ann 1 8", "Bob 2 6", "Cid 3 4"}));
}

} // namespace
} // namespace racedesk
