#include "core/race/detailed_results_view.h"
#include "core/timing/run_engine.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace racedesk {
namespace {

using test::RecordingCanvas;

// Cars with one lap of 'lap' ms after another, starting from a first passing at 'lap' too.
struct RunOf {
    std::unique_ptr<CarSlots> slots = std::make_unique<CarSlots>();
    std::unique_ptr<DetailedResults> results = std::make_unique<DetailedResults>();
    RunOf() { emptySlots(*slots); }

    void car(int slot, const std::string& name, int passings, RaceTime lap) {
        CarSlot& s = (*slots)[std::size_t(slot - 1)];
        s.name = name;
        s.passings = passings;
        for (int j = 1; j <= passings; ++j)
            s.cumulativeTimes[std::size_t(j)] = lap * j;
    }
    const DetailedResults& build(RankingMode mode = RankingMode::LapsThenTime) {
        buildDetailedResults(mode, *slots, *results);
        return *results;
    }
};

RecordingCanvas paint(const DetailedResults& results, DetailView view, int firstLap = 0,
                      int firstColumn = 0) {
    RecordingCanvas canvas;
    paintDetailedResults(canvas, results, view, firstLap, firstColumn);
    return canvas;
}

TEST(PositionChart, isDrawnOnlyInLapsAndTimeRankingWithAtLeastTwoCars) {
    RunOf one;
    one.car(2, "Solo", 5, 20'000);
    EXPECT_FALSE(positionChartDrawn(one.build()));
    EXPECT_TRUE(paint(one.build(), DetailView::Positions).polylines.empty());

    RunOf two;
    two.car(1, "Anna", 5, 20'000);
    two.car(4, "Dan", 5, 19'000);
    EXPECT_FALSE(positionChartDrawn(two.build(RankingMode::BestLap)));
    EXPECT_TRUE(paint(two.build(RankingMode::BestLap), DetailView::Positions).polylines.empty());

    ASSERT_TRUE(positionChartDrawn(two.build(RankingMode::LapsThenTime)));
    const RecordingCanvas chart = paint(two.build(), DetailView::Positions);
    ASSERT_EQ(chart.polylines.size(), 2u);
    EXPECT_EQ(chart.polylines[0].size(), 5u) << "one point per lap of Anna";
    EXPECT_NE(chart.find("L1: Anna"), nullptr);
    EXPECT_NE(chart.find("L4: Dan"), nullptr);
}

TEST(PositionChart, eachCurveFollowsItsCarsPositionsLapAfterLap) {
    RunOf run;
    run.car(1, "Anna", 3, 20'000);
    run.car(2, "Boris", 3, 19'000);
    CarSlot& anna = (*run.slots)[0];
    anna.cumulativeTimes[1] = 18'000; // Anna leads the first lap only
    const RecordingCanvas chart = paint(run.build(), DetailView::Positions);
    ASSERT_EQ(chart.polylines.size(), 2u);
    const std::vector<Point>& a = chart.polylines[0];
    const std::vector<Point>& b = chart.polylines[1];
    ASSERT_EQ(a.size(), 3u);
    EXPECT_LT(a[0].y, b[0].y) << "first place is drawn higher";
    EXPECT_GT(a[1].y, b[1].y);
    EXPECT_EQ(a[1].y, b[0].y) << "second place is one line, whoever holds it";
    EXPECT_LT(a[0].x, a[1].x);
    EXPECT_EQ(a[0].x, b[0].x);
    int dotted = 0;
    for (const RecordingCanvas::Line& line : chart.lines)
        dotted += line.style == PenStyle::Dotted;
    EXPECT_EQ(dotted, 2) << "one dotted line per position";
}

TEST(PositionChart, theNamesAtTheCurvesEndsStandOnWhiteOverTheDottedLines) {
    RunOf run;
    run.car(1, "Anna", 3, 20'000);
    run.car(2, "Boris", 3, 19'000);
    const RecordingCanvas chart = paint(run.build(), DetailView::Positions);
    for (const char* name : {"L1: Anna", "L2: Boris"}) {
        const RecordingCanvas::Text* label = nullptr; // the chart's, right of the legend's
        for (const RecordingCanvas::Text& t : chart.texts)
            if (t.text == name && t.x > 300)
                label = &t;
        ASSERT_NE(label, nullptr) << name;
        EXPECT_TRUE(label->opaque) << name << ": the lines pass under it";
        EXPECT_EQ(label->background, kWhite);
        bool onALine = false;
        for (const RecordingCanvas::Line& line : chart.lines)
            onALine = onALine || (line.style == PenStyle::Dotted && line.from.y >= label->y &&
                                  line.from.y < label->y + label->font.height);
        EXPECT_TRUE(onALine) << name << " sits on its position's dotted line";
    }
}

TEST(PositionChart, aNameStopsBeforeTheNextNameOnItsLine) {
    RunOf run;
    run.car(1, "Anna Maria Lopez", 2, 18'000); // first until she stops after lap 2
    run.car(2, "Boris", 4, 19'000);            // then first on his own
    const RecordingCanvas chart = paint(run.build(), DetailView::Positions);
    const RecordingCanvas::Text* anna = nullptr;
    const RecordingCanvas::Text* boris = nullptr;
    for (const RecordingCanvas::Text& t : chart.texts) {
        if (t.x > 300 && t.text.rfind("L1: ", 0) == 0)
            anna = &t;
        if (t.x > 300 && t.text == "L2: Boris")
            boris = &t;
    }
    ASSERT_NE(anna, nullptr);
    ASSERT_NE(boris, nullptr);
    ASSERT_EQ(anna->y, boris->y) << "both curves end in first place";
    ASSERT_LT(anna->x, boris->x);
    RecordingCanvas measure;
    EXPECT_LE(anna->x + measure.textWidth(anna->text, anna->font), boris->x)
        << "\"" << anna->text << "\" runs into Boris's name";
}

TEST(PositionChart, theHorizontalScrollStartsTheCurvesAtALaterLap) {
    RunOf run;
    run.car(1, "Anna", 14, 20'000);
    run.car(2, "Boris", 12, 21'000);
    const DetailedResults& results = run.build();
    EXPECT_EQ(detailHorizontalRange(results, DetailView::Positions), 4);
    const RecordingCanvas chart = paint(results, DetailView::Positions, 0, 4);
    ASSERT_EQ(chart.polylines.size(), 2u);
    EXPECT_EQ(chart.polylines[0].size(), 10u) << "laps 5 to 14";
    EXPECT_EQ(chart.polylines[1].size(), 8u) << "laps 5 to 12";
    EXPECT_NE(chart.find("5"), nullptr);
    EXPECT_NE(chart.find("14"), nullptr);
}

TEST(DetailTables, passingTimesStandUnderTheirLineAndBesideTheirLap) {
    RunOf run;
    run.car(3, "Chloe", 2, 21'500);
    run.car(6, "Fred", 1, 65'250);
    const RecordingCanvas table = paint(run.build(), DetailView::PassingTimes);
    const RecordingCanvas::Text* lapHeading = table.find("Tour");
    const RecordingCanvas::Text* chloe = table.find("Ligne3");
    const RecordingCanvas::Text* fred = table.find("Ligne6");
    ASSERT_NE(lapHeading, nullptr);
    ASSERT_NE(chloe, nullptr);
    ASSERT_NE(fred, nullptr);
    EXPECT_EQ(chloe->x, 250 + 35) << "the first column of 70 pixels from x 250, centred";
    EXPECT_EQ(fred->x, 320 + 35);
    const RecordingCanvas::Text* second = table.find("43.000");
    const RecordingCanvas::Text* fredsFirst = table.find("1:05.250");
    ASSERT_NE(second, nullptr);
    ASSERT_NE(fredsFirst, nullptr);
    EXPECT_EQ(second->x, chloe->x);
    EXPECT_EQ(second->y - table.find("21.500")->y, 26) << "rows of 26 pixels";
    EXPECT_EQ(fredsFirst->x, fred->x);
    EXPECT_EQ(fredsFirst->y, table.find("21.500")->y);
    EXPECT_EQ(table.find("1")->y, fredsFirst->y) << "lap 1 on the first row";
    EXPECT_NE(table.find("L3: Chloe"), nullptr);
    EXPECT_NE(table.find("20"), nullptr) << "20 laps shown";
    EXPECT_EQ(table.find("21"), nullptr);
}

TEST(DetailTables, lapTimesAndBothScrollBarsMoveTheTable) {
    RunOf run;
    for (int slot = 1; slot <= 12; ++slot)
        run.car(slot, "Car " + std::to_string(slot), 25, 20'000 + slot);
    const DetailedResults& results = run.build();
    EXPECT_EQ(detailVerticalRange(results), 5);
    EXPECT_EQ(detailHorizontalRange(results, DetailView::LapTimes), 2);

    const RecordingCanvas laps = paint(results, DetailView::LapTimes);
    EXPECT_EQ(laps.count("20.001"), 20) << "every lap of car 1 lasts its lap time";
    EXPECT_EQ(laps.find("Ligne11"), nullptr) << "ten columns at most";

    const RecordingCanvas scrolled = paint(results, DetailView::LapTimes, 5, 2);
    EXPECT_EQ(scrolled.find("Ligne1"), nullptr);
    EXPECT_NE(scrolled.find("Ligne3"), nullptr);
    EXPECT_NE(scrolled.find("Ligne12"), nullptr);
    EXPECT_NE(scrolled.find("25"), nullptr);
    EXPECT_EQ(scrolled.find("5"), nullptr) << "the first row is lap 6";
    const RecordingCanvas passings = paint(results, DetailView::PassingTimes, 5, 2);
    EXPECT_NE(passings.find("8:20.075"), nullptr) << "car 3 at lap 25: 25 x 20.003 s";
}

} // namespace
} // namespace racedesk
