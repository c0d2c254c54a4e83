#include "core/qualifying/classification_tables.h"

#include "classification_states.h"
#include "core/common/cp1252.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::RecordingCanvas;

constexpr Rect kClient{0, 0, 900, 720};

const RecordingCanvas::Text& drawn(const RecordingCanvas& canvas, const std::string& text) {
    const RecordingCanvas::Text* t = canvas.find(text);
    if (t == nullptr) {
        ADD_FAILURE() << "not drawn: " << text;
        static const RecordingCanvas::Text none{};
        return none;
    }
    return *t;
}

std::unique_ptr<RoundClassificationState> threePlaceRound() {
    return test::roundState(2, 3, {{"Bob", 12, 300500, 24000}, {"Alice", 12, 300500, 24100}},
                            {8, 8});
}

TEST(RoundTable, showsTitleHeadersAndEachPlaceInOrderWithFullTimes) {
    RecordingCanvas canvas;
    paintRoundDialog(canvas, *threePlaceRound(), 0, kClient);
    const ScreenTable t = roundScreenTable();

    const auto& title = drawn(canvas, " Buggy 1/8 : Qualifs - Classement Manche2 ");
    EXPECT_EQ(title.font.height, 20);
    EXPECT_EQ(title.font.face.view(), "Arial");
    EXPECT_TRUE(title.opaque);
    EXPECT_EQ(title.background, rgb(250, 250, 200));
    for (const char* header :
         {"Place", "Nom Pilote", "Tours", "Temps total", "Meilleur tour", "Points"}) {
        const auto& h = drawn(canvas, header);
        EXPECT_GE(h.y, t.headerTop());
        EXPECT_LT(h.y, t.rowsTop());
    }
    const auto& bob = drawn(canvas, "Bob");
    const auto& alice = drawn(canvas, "Alice");
    EXPECT_EQ(bob.font.height, 16);
    EXPECT_GE(bob.y, t.rowsTop());
    EXPECT_EQ(alice.y - bob.y, 20);
    EXPECT_EQ(drawn(canvas, "5:00.500").y, bob.y);
    EXPECT_EQ(drawn(canvas, "0:24.000").y, bob.y) << "minutes always shown";
    EXPECT_EQ(drawn(canvas, "0:24.100").y, alice.y);
    EXPECT_EQ(canvas.count("8"), 2);
    EXPECT_EQ(drawn(canvas, "3").y, alice.y + 20) << "a place without a driver keeps its number";
    EXPECT_EQ(canvas.count("0:00.000"), 0);
}

TEST(RoundTable, bandsAndBackgroundHaveTheirColours) {
    RecordingCanvas canvas;
    paintRoundDialog(canvas, *threePlaceRound(), 0, kClient);
    const ScreenTable t = roundScreenTable();
    EXPECT_EQ(canvas.colourAt(t.left + 5, t.headerTop() + 5), long(rgb(255, 255, 150)));
    EXPECT_EQ(canvas.colourAt(t.left + 5, t.bottom() - 5), long(rgb(255, 255, 200)));
    EXPECT_EQ(canvas.colourAt(t.right() + 30, t.rowsTop()), long(rgb(230, 230, 220)));
}

TEST(RoundTable, warnsInDarkRedWhenDriversHaveNotRun) {
    RecordingCanvas canvas;
    paintRoundDialog(canvas, *threePlaceRound(), 0, kClient);
    const auto& warning =
        drawn(canvas, utf8ToCp1252(" Manche incomplète (1 pilotes n'ont pas couru) "));
    EXPECT_EQ(warning.colour, rgb(150, 0, 0));
    EXPECT_GE(warning.y, roundScreenTable().bottom());

    RecordingCanvas complete;
    paintRoundDialog(complete, *test::roundState(1, 2, {{"Bob", 1}, {"Alice", 1}}, {3, 1}), 0,
                     kClient);
    for (const auto& text : complete.texts)
        EXPECT_NE(text.colour, rgb(150, 0, 0)) << text.text;
}

TEST(RoundTable, scrollsTwentyRowsAtATimeWithinItsPlaces) {
    std::vector<test::Result> results;
    for (int i = 1; i <= 25; ++i)
        results.push_back({"Driver " + std::to_string(i), 40 - i, 300000, 25000});
    const auto state = test::roundState(1, 25, results, {});
    EXPECT_EQ(roundTableRows(*state), 25);
    EXPECT_EQ(lastFirstRow(25), 5);
    EXPECT_EQ(lastFirstRow(20), 0);
    for (const int firstRow : {5, 90}) {
        RecordingCanvas canvas;
        paintRoundDialog(canvas, *state, firstRow, kClient);
        EXPECT_EQ(drawn(canvas, "Driver 6").y, roundScreenTable().rowsTop() + 2);
        EXPECT_EQ(canvas.count("Driver 5"), 0);
        EXPECT_EQ(canvas.count("Driver 25"), 1);
    }
}

std::unique_ptr<OverallClassificationState> twoDriverOverall() {
    return test::overallState(
        3, 3,
        {{"Bob", 15, {{9, 2}, {6, 1}}, {12, 301000, 2}, {24000, 1}}, {"Alice", 0, {}, {}, {}}});
}

TEST(OverallTable, showsFiveBestRoundsWithTheirRoundsAndTheBestResult) {
    RecordingCanvas canvas;
    paintOverallDialog(canvas, *twoDriverOverall(), 0, kClient);
    EXPECT_NE(canvas.find(" Buggy 1/8 : Qualifs - Classement Global "), nullptr);
    for (const char* header :
         {"Place", "Nom Pilote", "Points", "5 meilleures manches", "meill.", "2eme", "3eme", "4eme",
          "5eme", "Tours", "Temps total", "Meilleur tour"})
        EXPECT_NE(canvas.find(header), nullptr) << header;
    const auto& bob = drawn(canvas, "Bob");
    EXPECT_EQ(drawn(canvas, "15").y, bob.y);
    EXPECT_EQ(drawn(canvas, "9").y, bob.y);
    EXPECT_EQ(drawn(canvas, "12").y, bob.y);
    EXPECT_EQ(drawn(canvas, "5:01.000").y, bob.y);
    EXPECT_EQ(drawn(canvas, "0:24.000").y, bob.y);
    EXPECT_EQ(canvas.count("(2)"), 2) << "under the round's points and the best result";
    EXPECT_EQ(canvas.count("(1)"), 2) << "under the round's points and the best lap";
    EXPECT_EQ(drawn(canvas, "(2)").font.height, 13);
    EXPECT_LT(drawn(canvas, "9").x, drawn(canvas, "6").x);

    const auto& alice = drawn(canvas, "Alice");
    int aliceTexts = 0;
    for (const auto& text : canvas.texts)
        aliceTexts += text.y == alice.y ? 1 : 0;
    EXPECT_EQ(aliceTexts, 3) << "place, name and total: no blank round is drawn";
}

TEST(OverallTable, warnsInDarkRedAboutDriversWithoutResults) {
    RecordingCanvas canvas;
    paintOverallDialog(canvas, *twoDriverOverall(), 0, kClient);
    const auto& warning = drawn(canvas, utf8ToCp1252(" 2 pilotes n'ont pas de résultats "));
    EXPECT_EQ(warning.colour, rgb(150, 0, 0));
}

} // namespace
} // namespace racedesk
