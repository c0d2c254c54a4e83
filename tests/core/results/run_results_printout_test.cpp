#include "core/reports/run_results_printout.h"

#include "core/reports/print_frame.h"
#include "support/recording_canvas.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::RecordingCanvas;

constexpr LocalDateTime kPrintedAt{2027, 3, 3, 9, 5, 0};

LoadedRun qualifyingHeat() {
    LoadedRun run;
    run.sectionTitle = "Cat\xE9gorie1M2S1";
    run.categoryTitle = "CATEGORIE : Buggy 1/8";
    run.runKindTitle = "Qualifications : Manche2 - S\xE9rie1";
    run.raceLine = "Course : Grand Prix - Circuit des Pins";
    run.condition = "Pluie";
    run.comment = "piste glissante";
    return run;
}

BoardRows boardOf(int cars) {
    BoardRows rows;
    for (int i = 0; i < cars; ++i) {
        BoardRow& row = rows[std::size_t(i)];
        const std::string n = std::to_string(i + 1);
        row.position = n;
        row.carNumber = " " + std::to_string(cars - i) + " ";
        row.name = "Driver " + n;
        row.laps = std::to_string(20 - i);
        row.totalTime = "5:0" + n + ".100";
        row.bestLap = "14.0" + n + "0";
        row.passings = std::to_string(40 - i);
        row.ownTimeAtLastLap = "5:0" + n + ".200";
        row.bestLapFromTable = "13.9" + n + "0";
    }
    return rows;
}

RecordingCanvas printed(const PrintDocument& document) {
    RecordingCanvas canvas;
    for (int page = 0; page < pageCount(document); ++page)
        drawPage(canvas, document, page, kPrintedAt);
    return canvas;
}

void expectAt(const RecordingCanvas& canvas, const std::string& text, int x, int y) {
    const RecordingCanvas::Text* t = canvas.find(text);
    ASSERT_NE(t, nullptr) << text;
    EXPECT_EQ(t->x, x) << text;
    EXPECT_EQ(t->y, y) << text;
}

TEST(RunResultsPrintout, isOneLandscapePageWithTheRunsTitlesSummaryAndComment) {
    const PrintDocument document =
        runResultsPrintout(qualifyingHeat(),
                           "Dur\xE9"
                           "e 0:05:00 - DEPARTDecale - FINTEMPSSignalSonore",
                           boardOf(4), 4);
    EXPECT_EQ(document.jobName, "RESULTATS SERIE : Printing...");
    EXPECT_EQ(document.layout.orientation, Orientation::Landscape);
    EXPECT_EQ(pageCount(document), 1);
    const RecordingCanvas canvas = printed(document);
    EXPECT_EQ(canvas.logicalWidth, 1600);
    EXPECT_EQ(canvas.logicalHeight, 900);
    ASSERT_FALSE(canvas.bitmaps.empty());
    EXPECT_EQ(canvas.bitmaps[0].file, "images/logo.bmp");
    expectAt(canvas, "CATEGORIE : Buggy 1/8", 520, 65);
    expectAt(canvas, "Qualifications : Manche2 - S\xE9rie1", 520, 117);
    expectAt(canvas, "Course : Grand Prix - Circuit des Pins", 195, 195);
    // The stored keys and condition in words.
    expectAt(canvas,
             "Dur\xE9"
             "e 0:05:00 - D\xE9part d\xE9"
             "cal\xE9 - Fin au signal sonore - pluie",
             156, 234);
    expectAt(canvas, "Commentaire:", 156, 936);
    expectAt(canvas, "piste glissante", 338, 936);
    EXPECT_EQ(canvas.find("Edit\xE9 le 03/03/2027 \xE0 9:05"), nullptr) << "no print date";
    EXPECT_EQ(canvas.find("Page 1 /1"), nullptr);
}

TEST(RunResultsPrintout, groupAndColumnHeadersStandAtTheirPlaces) {
    const RecordingCanvas canvas =
        printed(runResultsPrintout(qualifyingHeat(), ".", boardOf(2), 2));
    expectAt(canvas, "R\xE9sultat pris en compte", 962, 273);
    expectAt(canvas, "Relev\xE9s transpondeurs", 1365, 273);
    expectAt(canvas, "Pos", 202, 286);
    expectAt(canvas, "N\xB0", 260, 286);
    expectAt(canvas, "Pilote", 286, 286);
    const int valueX[] = {715, 871, 1027, 1105, 1261, 1417};
    const std::string headers[] = {"Tours", "Temps", "Meilleur tour"};
    for (int c = 0; c < 6; ++c) {
        int seen = 0;
        for (const RecordingCanvas::Text& t : canvas.texts)
            seen += t.text == headers[c % 3] && t.x == valueX[c] && t.y == 307;
        EXPECT_EQ(seen, 1) << headers[c % 3] << " at " << valueX[c];
    }
}

TEST(RunResultsPrintout, rowsShareOutTheirHeightAndCarryBothGroupsOfValues) {
    const RecordingCanvas canvas =
        printed(runResultsPrintout(qualifyingHeat(), ".", boardOf(3), 3));
    const int step = 572 / 3;
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i + 1);
        const int y = 335 + step * i;
        expectAt(canvas, "Driver " + n, 286, y);
        expectAt(canvas, "5:0" + n + ".100", 871, y);
        expectAt(canvas, "14.0" + n + "0", 1027, y);
        expectAt(canvas, std::to_string(40 - i), 1105, y);
        expectAt(canvas, "5:0" + n + ".200", 1261, y);
        expectAt(canvas, "13.9" + n + "0", 1417, y);
    }
    expectAt(canvas, "1", 202, 335);
    expectAt(canvas, "3", 260, 335); // the car number without its padding
    expectAt(canvas, "20", 715, 335);
    expectAt(canvas, "18", 715, 335 + 2 * step);
    int rowRules = 0;
    for (const RecordingCanvas::Line& line : canvas.lines)
        rowRules += line.pen == kRowRuleGrey;
    EXPECT_EQ(rowRules, 2) << "a grey rule between rows";
}

TEST(RunResultsPrintout, aHeatWithoutDriversPrintsNoRows) {
    const PrintDocument document = runResultsPrintout(qualifyingHeat(), ".", BoardRows{}, 0);
    EXPECT_TRUE(document.rows.empty());
    EXPECT_EQ(pageCount(document), 0);
    EXPECT_EQ(runResultsRowStep(0), 0);
    RecordingCanvas canvas;
    drawPage(canvas, document, 0, kPrintedAt);
    EXPECT_TRUE(canvas.texts.empty());
    EXPECT_TRUE(canvas.lines.empty());
}

TEST(RunResultsPrintout, twentyCarsFitAboveTheComment) {
    const RecordingCanvas canvas =
        printed(runResultsPrintout(qualifyingHeat(), ".", boardOf(20), 20));
    expectAt(canvas, "Driver 20", 286, 335 + 19 * (572 / 20));
    for (const RecordingCanvas::Line& line : canvas.lines)
        EXPECT_LT(std::max(line.from.y, line.to.y), 936) << "the table ends above the comment";
}

} // namespace
} // namespace racedesk
