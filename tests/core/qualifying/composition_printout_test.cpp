#include "core/qualifying/composition_printout.h"

#include "composition_fixture.h"
#include "core/common/cp1252.h"
#include "core/reports/print_frame.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace racedesk {
namespace {

using test::Entrant;
using test::RecordingCanvas;

const LocalDateTime kPrinted{2027, 3, 3, 9, 5, 0};

class CompositionPrintout : public test::CompositionFixture {
protected:
    PrintDocument printout(const std::vector<Entrant>& entrants, int driversPerHeat) {
        makeRace(entrants, driversPerHeat, 1);
        return compositionPrintout(openCompositionDialog(p, 1));
    }
    static RecordingCanvas page(const PrintDocument& d, int index) {
        RecordingCanvas canvas;
        drawPage(canvas, d, index, kPrinted);
        return canvas;
    }
    // The boxes of the heats: frames of the 2-unit pen below the header band.
    static std::vector<Rect> heatBoxes(const RecordingCanvas& c) {
        std::vector<Rect> boxes;
        for (const auto& f : c.frames) {
            if (f.width == 2 && f.rect.top >= 306)
                boxes.push_back(f.rect);
        }
        return boxes;
    }
};

TEST_F(CompositionPrintout, titlesAndColumnsOnTheSharedFrame) {
    const PrintDocument d = printout(drivers(4), 4);
    EXPECT_EQ(d.jobName, "REPARTITION QUALIFS : Printing...");
    EXPECT_EQ(d.firstTitle, "CATEGORIE : Buggy 1/8");
    EXPECT_EQ(cp1252ToUtf8(d.secondTitle), "Qualifications : Composition des Séries");
    EXPECT_EQ(d.raceLine, "Course : Grand Prix - Circuit des Pins");
    EXPECT_EQ(d.layout.orientation, Orientation::Portrait);
    EXPECT_FALSE(d.numberedRows);
    const RecordingCanvas c = page(d, 0);
    for (const char* header : {"Série", "Ligne", "Nom Pilote", "Transpond.", "Freq1"}) {
        const auto* text = c.find(utf8ToCp1252(header));
        ASSERT_NE(text, nullptr) << header;
        EXPECT_EQ(text->y, 265);
    }
    EXPECT_NE(c.find("Edit\xE9 le 03/03/2027 \xE0 9:05"), nullptr);
    EXPECT_NE(c.find("Page 1 /1"), nullptr);
}

TEST_F(CompositionPrintout, eachHeatIsABoxOfNRowsOfTwentyEightUnitsAndFive) {
    const PrintDocument d = printout(drivers(6), 3);
    const RecordingCanvas c = page(d, 0);
    const std::vector<Rect> boxes = heatBoxes(c);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].top, 306);
    EXPECT_EQ(boxes[0].height(), 3 * 28 + 5);
    EXPECT_EQ(boxes[1].top, boxes[0].bottom);
    const auto* first = c.find("Driver 1");
    const auto* second = c.find("Driver 2");
    const auto* fourth = c.find("Driver 4");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(second->y - first->y, 28);
    EXPECT_EQ(fourth->y - first->y, 3 * 28 + 5);
    EXPECT_EQ(c.find(utf8ToCp1252("Série 2"))->y, fourth->y);
    EXPECT_EQ(c.count("1"), 2) << "the rank within each heat starts again";
    EXPECT_EQ(c.count("3"), 2);
    EXPECT_NE(c.find("100006"), nullptr);
}

TEST_F(CompositionPrintout, aPageHoldsFortyDividedByNHeats) {
    // 21 drivers, 10 a heat: 3 heats; 4 heats a page fit on one page.
    EXPECT_EQ(pageCount(printout(drivers(21), 10)), 1);
    EXPECT_EQ(printedHeatsPerPage(10), 4);
    EXPECT_EQ(printedHeatsPerPage(3), 13);
    EXPECT_EQ(printedHeatsPerPage(20), 2);
    EXPECT_EQ(printedHeatsPerPage(1), 40);
}

TEST_F(CompositionPrintout, heatsBeyondAPagesShareGoOnTheNextPage) {
    // 7 a heat: 5 heats a page; 38 drivers make 6 heats, so 2 pages.
    const PrintDocument d = printout(drivers(38), 7);
    ASSERT_EQ(pageCount(d), 2);
    const RecordingCanvas first = page(d, 0);
    const RecordingCanvas second = page(d, 1);
    EXPECT_EQ(heatBoxes(first).size(), 5u);
    EXPECT_EQ(heatBoxes(second).size(), 1u);
    EXPECT_NE(first.find("Page 1 /2"), nullptr);
    EXPECT_NE(second.find("Page 2 /2"), nullptr);
    EXPECT_NE(first.find("Driver 35"), nullptr);
    EXPECT_EQ(first.find("Driver 36"), nullptr);
    const auto* label = second.find(utf8ToCp1252("Série 6"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->y, second.find("Driver 36")->y) << "the heat starts the second page";
    EXPECT_EQ(heatBoxes(second)[0].top, 306);
    EXPECT_EQ(second.count("(NA)"), 0) << "free places print blank";
    EXPECT_NE(second.find("7"), nullptr) << "their ranks still print";
}

TEST_F(CompositionPrintout, aConflictingFirstFrequencyPrintsRed) {
    const PrintDocument d = printout({{"Ann", "1", "27.145"},
                                      {"Bob", "2", "27.145"},
                                      {"Cid", "3", "2.4Ghz"},
                                      {"Dan", "4", "2.4Ghz"},
                                      {"Eve", "5", "27.145"}},
                                     4);
    const RecordingCanvas c = page(d, 0);
    std::vector<std::string> red;
    for (const auto& text : c.texts) {
        if (text.colour == rgb(250, 0, 0))
            red.push_back(text.text);
    }
    EXPECT_EQ(red, (std::vector<std::string>{"27.145", "27.145"}));
    EXPECT_EQ(c.find("2.4Ghz")->colour, kBlack);
}

TEST_F(CompositionPrintout, aCategoryWithoutParticipantsPrintsNothing) {
    const PrintDocument d = printout({}, 10);
    EXPECT_EQ(pageCount(d), 0);
    RecordingCanvas canvas;
    drawPage(canvas, d, 0, kPrinted);
    EXPECT_TRUE(canvas.texts.empty());
}

} // namespace
} // namespace racedesk
