#include "core/qualifying/composition_table.h"

#include "composition_fixture.h"
#include "core/common/cp1252.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace racedesk {
namespace {

using test::Entrant;
using test::RecordingCanvas;

constexpr Point kOrigin{20, 100};

class CompositionTable : public test::CompositionFixture {
protected:
    RecordingCanvas paint(const CompositionDialog& d) {
        RecordingCanvas canvas;
        paintCompositionTable(canvas, d, kOrigin);
        return canvas;
    }
    static std::vector<const RecordingCanvas::Bitmap*> arrows(const RecordingCanvas& c,
                                                              const std::string& file) {
        std::vector<const RecordingCanvas::Bitmap*> found;
        for (const auto& b : c.bitmaps) {
            if (b.file == file)
                found.push_back(&b);
        }
        return found;
    }
};

TEST_F(CompositionTable, aHeaderRowAboveOneRowOfTwentyTwoPixelsPerPlace) {
    makeRace(drivers(3), 4, 1);
    const RecordingCanvas c = paint(openCompositionDialog(p, 1));
    EXPECT_EQ(c.colourAt(kOrigin.x + 1, kOrigin.y + 1), long(rgb(255, 255, 150)));
    EXPECT_EQ(c.colourAt(kOrigin.x + 652, kOrigin.y + 470), long(rgb(230, 230, 220)))
        << "the area below the rows";
    for (const char* header : {"Série", "Pilote", "Transp.", "Freq 1", "Freq 5"}) {
        const auto* text = c.find(utf8ToCp1252(header));
        ASSERT_NE(text, nullptr) << header;
        EXPECT_LT(text->y, kOrigin.y + 31);
        EXPECT_EQ(text->font.height, 16);
        EXPECT_EQ(std::string(text->font.face.view()), "Arial");
    }
    const auto* first = c.find("Driver 1");
    const auto* third = c.find("Driver 3");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->y - first->y, 44);
    EXPECT_EQ(first->font.height, 15);
    EXPECT_EQ(c.colourAt(first->x, first->y + 2), long(rgb(255, 255, 200)));
    EXPECT_EQ(c.colourAt(kOrigin.x + 5, first->y + 2), long(rgb(255, 255, 150)))
        << "the heats' column";
    EXPECT_NE(c.find("100002"), nullptr);
    EXPECT_NE(c.find("F5-2"), nullptr);
    EXPECT_EQ(c.count("(NA)"), 0) << "the free fourth place shows blank";
}

TEST_F(CompositionTable, eachHeatIsLabelledAtItsFirstPlace) {
    makeRace(drivers(7), 3, 1);
    const RecordingCanvas c = paint(openCompositionDialog(p, 1));
    const auto* heat1 = c.find(utf8ToCp1252("Série 1"));
    const auto* heat3 = c.find(utf8ToCp1252("Série 3"));
    ASSERT_NE(heat1, nullptr);
    ASSERT_NE(heat3, nullptr);
    EXPECT_EQ(heat3->y - heat1->y, 6 * 22);
    EXPECT_EQ(heat1->y, c.find("Driver 1")->y);
    EXPECT_EQ(heat1->font.height, 16);
    EXPECT_EQ(c.find(utf8ToCp1252("Série 4")), nullptr);
    const int heavy = int(std::count_if(c.lines.begin(), c.lines.end(), [](const auto& l) {
        return l.width == 2 && l.from.y == l.to.y;
    }));
    EXPECT_EQ(heavy, 3) << "above each heat";
}

TEST_F(CompositionTable, everyRowButTheFirstHasAnUpArrowAndEveryButTheLastADownArrow) {
    makeRace(drivers(5), 3, 1);
    const CompositionDialog d = openCompositionDialog(p, 1);
    const RecordingCanvas c = paint(d);
    const auto up = arrows(c, "images/FlecheHaut.bmp");
    const auto down = arrows(c, "images/FlecheBas.bmp");
    ASSERT_EQ(up.size(), 5u);
    ASSERT_EQ(down.size(), 5u);
    EXPECT_EQ(up.front()->target.top, c.find("Driver 2")->y) << "from the second row";
    EXPECT_EQ(down.back()->target.top, c.find("Driver 5")->y) << "up to the row before last";

    const Rect& upOf2 = up.front()->target;
    const ArrowHit hit = arrowAt(d, kOrigin, upOf2.left + 3, upOf2.top + 3);
    EXPECT_EQ(hit.place, 1);
    EXPECT_TRUE(hit.up);
    const Rect& downOf1 = down.front()->target;
    const ArrowHit below = arrowAt(d, kOrigin, downOf1.left + 3, downOf1.top + 3);
    EXPECT_EQ(below.place, 0);
    EXPECT_FALSE(below.up);
    EXPECT_EQ(arrowAt(d, kOrigin, upOf2.left - 30, upOf2.top).place, -1);
    EXPECT_EQ(arrowAt(d, kOrigin, upOf2.left, kOrigin.y + 10).place, -1) << "the header";
    EXPECT_EQ(arrowAt(d, kOrigin, upOf2.left + 3, kOrigin.y + 31 + 6 * 22 + 5).place, -1)
        << "below the last row";
}

TEST_F(CompositionTable, twentyRowsShowAndTheTableScrollsByOneRow) {
    makeRace(drivers(25), 5, 1);
    CompositionDialog d = openCompositionDialog(p, 1);
    RecordingCanvas top = paint(d);
    EXPECT_NE(top.find("Driver 20"), nullptr);
    EXPECT_EQ(top.find("Driver 21"), nullptr);
    EXPECT_EQ(arrows(top, "images/FlecheHaut.bmp").size(), 19u);

    scrollTo(d, 1);
    RecordingCanvas scrolled = paint(d);
    EXPECT_EQ(scrolled.find("Driver 1"), nullptr);
    ASSERT_NE(scrolled.find("Driver 2"), nullptr);
    EXPECT_EQ(scrolled.find("Driver 2")->y, top.find("Driver 1")->y);
    EXPECT_NE(scrolled.find("Driver 21"), nullptr);
    EXPECT_EQ(scrolled.find(utf8ToCp1252("Série 1")), nullptr) << "its first place scrolled out";
    EXPECT_NE(scrolled.find(utf8ToCp1252("Série 2")), nullptr);

    const ArrowHit hit = arrowAt(d, kOrigin, kOrigin.x + 75, kOrigin.y + 31 + 3);
    EXPECT_EQ(hit.place, 1) << "the first row shown is place 1";
}

TEST_F(CompositionTable, conflictingFirstFrequenciesAreRedAndTheOthersNever) {
    std::vector<Entrant> list = {{"Ann", "1", "27.145"},
                                 {"Bob", "2", "27.145"},
                                 {"Cid", "3", "2.4Ghz"},
                                 {"Dan", "4", "2.4Ghz"}};
    makeRace(list, 4, 1);
    const RecordingCanvas c = paint(openCompositionDialog(p, 1));
    int red = 0;
    for (const auto& text : c.texts) {
        if (text.colour == rgb(250, 0, 0)) {
            ++red;
            EXPECT_EQ(text.text, "27.145");
        }
    }
    EXPECT_EQ(red, 2);
    EXPECT_EQ(c.find("2.4Ghz")->colour, kBlack);
    EXPECT_EQ(c.find("F2-0")->colour, kBlack);
}

TEST_F(CompositionTable, aHandEditedLastHeatPastThe220PlacesEndsWithThem) {
    makeRace(drivers(3), 19, 1);
    HeatComposition composition = fileComposition();
    for (int place = 200; place < kCompositionPlaces; ++place)
        composition.places[std::size_t(place)] = "Late " + std::to_string(place);
    SectionFile f(file());
    ASSERT_EQ(writeHeatComposition(f, 1, composition), WriteStatus::Written);

    CompositionDialog d = openCompositionDialog(p, 1);
    ASSERT_EQ(d.heats, 12) << "220 places of 19 make 12 heats, the last one short";
    EXPECT_EQ(tableRows(d), kCompositionPlaces);
    scrollTo(d, scrollRange(d));
    const RecordingCanvas c = paint(d);
    EXPECT_NE(c.find("Late 219"), nullptr) << "the last place is the last row";
    EXPECT_EQ(arrows(c, kDownArrow).size(), 19u) << "no row below the last place";
}

} // namespace
} // namespace racedesk
