#include "core/qualifying/classification_printouts.h"

#include "classification_states.h"
#include "core/common/cp1252.h"
#include "core/reports/print_file_name.h"
#include "core/reports/print_frame.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::RecordingCanvas;

constexpr LocalDateTime kMarch3rd905{2027, 3, 3, 9, 5, 0};

TEST(RoundPrintout, titlesAndDateLineNameTheRoundAndTheRankingMode) {
    const auto state = test::roundState(2, 2, {{"Bob", 12, 300500, 24000}}, {8});
    const PrintDocument d = roundClassificationPrintout(*state);
    EXPECT_EQ(d.jobName, "CLASSEMENT MANCHE : Printing...");
    EXPECT_EQ(d.firstTitle, "CATEGORIE : Buggy 1/8");
    EXPECT_EQ(d.secondTitle, "Qualifications : Classement Manche2");
    EXPECT_EQ(d.raceLine, "Course : Grand Prix - Circuit des Pins");
    EXPECT_EQ(d.layout.orientation, Orientation::Portrait);
    EXPECT_EQ(cp1252ToUtf8(printDateLine(d, kMarch3rd905)),
              "Classement aux tours et au temps - Edité le 03/03/2027 à 9:05")
        << "the ranking in words, not its key";
    EXPECT_EQ(cp1252ToUtf8(proposedPdfName(d)), "Classement Manche2 - Buggy 1-8.pdf");
    state->classification.ranking = RankingMode::BestLap;
    EXPECT_EQ(cp1252ToUtf8(printDateLine(roundClassificationPrintout(*state), kMarch3rd905)),
              "Classement au meilleur tour - Edité le 03/03/2027 à 9:05");
}

TEST(RoundPrintout, listsThePlacesInOrderUpToTheFirstWithoutDriver) {
    const auto state = test::roundState(
        1, 4, {{"Bob", 12, 300500, 24000}, {"Alice", 12, 300500, 24100}, {""}, {"Dan", 1, 9, 9}},
        {8, 8, 0, 5});
    const PrintDocument d = roundClassificationPrintout(*state);
    ASSERT_EQ(d.rows.size(), 2u);
    EXPECT_EQ(d.rows[0], (PrintRow{"1", "Bob", "12", "5:00.500", "24.000", "8"}));
    EXPECT_EQ(d.rows[1], (PrintRow{"2", "Alice", "12", "5:00.500", "24.100", "8"}));

    RecordingCanvas canvas;
    drawPage(canvas, d, 0, kMarch3rd905);
    for (const char* header : {"Place", "Nom Pilote", "Tours", "Temps", "Meilleur tour", "Points"})
        EXPECT_EQ(canvas.find(header)->y, 265) << header;
    EXPECT_EQ(canvas.find("Bob")->y, 310);
    EXPECT_EQ(canvas.find("Alice")->y, 340);
    EXPECT_EQ(canvas.find("Page 1 /1")->y, 1550);
    EXPECT_EQ(canvas.count("Dan"), 0);
}

TEST(RoundPrintout, fortyOneDriversTakeTwoPagesAndNoParticipantNone) {
    std::vector<test::Result> results;
    for (int i = 1; i <= 41; ++i)
        results.push_back({"Driver " + std::to_string(i), 50 - i, 300000, 25000});
    const PrintDocument d = roundClassificationPrintout(*test::roundState(1, 41, results, {}));
    EXPECT_EQ(pageCount(d), 2);
    EXPECT_EQ(rowsOnPage(d, 1), 1);
    EXPECT_EQ(pageCount(roundClassificationPrintout(*test::roundState(1, 0, results, {}))), 0);
}

std::unique_ptr<OverallClassificationState> twoDriverOverall() {
    return test::overallState(
        3, 2,
        {{"Bob", 15, {{9, 2}, {6, 1}}, {12, 301000, 2}, {24000, 1}}, {"Alice", 0, {}, {}, {}}});
}

TEST(OverallPrintout, titlesAndDateLineNameTheRoundsCounted) {
    const PrintDocument d = overallClassificationPrintout(*twoDriverOverall());
    EXPECT_EQ(d.jobName, "CLASSEMENT QUALIFS : Printing...");
    EXPECT_EQ(d.firstTitle, "CATEGORIE : Buggy 1/8");
    EXPECT_EQ(d.secondTitle, "Qualifications : Classement Global");
    EXPECT_EQ(cp1252ToUtf8(printDateLine(d, kMarch3rd905)),
              "SOMME POINTS des 3 meilleures Manches - Edité le 03/03/2027 à 9:05");
}

TEST(OverallPrintout, eachRowHasTheFourBestRoundsWithTheirRoundsAndTheBestResult) {
    const PrintDocument d = overallClassificationPrintout(*twoDriverOverall());
    ASSERT_EQ(d.rows.size(), 2u);
    EXPECT_EQ(d.rows[0],
              (PrintRow{"1", "Bob", "15", "9 (2)", "6 (1)", "", "", "12", "5:01.000", "24.000"}));
    EXPECT_EQ(d.rows[1], (PrintRow{"2", "Alice", "0", "", "", "", "", "", "", ""}));

    RecordingCanvas canvas;
    drawPage(canvas, d, 0, kMarch3rd905);
    for (const char* header : {"Place", "Nom Pilote", "Points", "4 meilleures manches", "meill.",
                               "2e", "3e", "4e", "Tours", "Temps", "Meilleur tour"})
        EXPECT_NE(canvas.find(header), nullptr) << header;
    EXPECT_NE(canvas.find(utf8ToCp1252("meilleur résultat")), nullptr);
    EXPECT_LT(canvas.find("4 meilleures manches")->y, canvas.find("meill.")->y)
        << "the group's title above its columns";
    EXPECT_EQ(canvas.find("9 (2)")->y, 310);
    for (const auto& frame : canvas.frames)
        EXPECT_LE(frame.rect.right, 1100) << "the table stays inside the page's border";
}

} // namespace
} // namespace racedesk
