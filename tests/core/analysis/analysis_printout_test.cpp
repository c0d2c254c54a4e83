#include "analysis_fixtures.h"
#include "core/common/cp1252.h"
#include "core/reports/analysis_printout.h"
#include "core/reports/print_file_name.h"
#include "core/reports/print_frame.h"

#include <gtest/gtest.h>

#include <string>

namespace racedesk {
namespace {

using test::AnalysisCanvas;
using test::sameRect;

constexpr LocalDateTime kMarch3rd905{2027, 3, 3, 9, 5, 0};

DriverResult namedRun(DriverResult run) {
    run.runTitle = " Buggy - Manche1 - S\xE9rie2 ";
    run.circuit = "Piste du Lac";
    run.summary = "Dur\xE9"
                  "e 5:00";
    return run;
}

AnalysisCanvas printed(const DriverResult& run, LapRange range) {
    const PrintDocument document = analysisPrintout(run, range);
    EXPECT_EQ(pageCount(document), 1);
    AnalysisCanvas canvas;
    drawPage(canvas, document, 0, kMarch3rd905);
    return canvas;
}

// A length drawn in a window 'from' units wide, in units of the analysis page's 630.
double onPage(int length, int from) {
    return length * 630.0 / from;
}

const test::RecordingCanvas::Text& drawn(const AnalysisCanvas& c, const std::string& utf8) {
    const auto* text = c.find(utf8ToCp1252(utf8));
    if (text == nullptr) {
        ADD_FAILURE() << "not printed: " << utf8;
        static const test::RecordingCanvas::Text none{};
        return none;
    }
    return *text;
}

TEST(AnalysisPrintout, isOnePortraitPageUnderItsJobName) {
    const PrintDocument document = analysisPrintout(test::fiveLapRun(), {1, 5});
    EXPECT_EQ(document.jobName, "SYNTHESE RUN : Printing...");
    EXPECT_EQ(document.layout.orientation, Orientation::Portrait);
    EXPECT_EQ(pageCount(document), 1);
}

TEST(AnalysisPrintout, theFrameIsScaledIntoTheAnalysisWindow) {
    const AnalysisCanvas c = printed(namedRun(test::fiveLapRun()), {1, 5});
    const PageLayout frame = portraitLayout();
    int borders = 0;
    for (std::size_t i = 0; i < c.frames.size(); ++i) {
        const Rect& r = c.frames[i].rect;
        if (!sameRect(r, frame.outerBorder) && !sameRect(r, frame.innerBorder))
            continue;
        ++borders;
        // Drawn in the frame's own window, of the analysis window's shape, so that it lands
        // on the page at 630 / 900 of its size: the outer border ends at 1109.5 of 1120.
        const auto window = c.frameWindows[i];
        EXPECT_EQ(window.width * kAnalysisPageHeight, window.height * kAnalysisPageWidth);
        EXPECT_LE(onPage(r.bottom, window.width), kAnalysisPageHeight);
        EXPECT_GT(onPage(r.bottom, window.width), kAnalysisPageHeight - 15);
        EXPECT_GE(onPage(r.top, window.width), 0.0);
    }
    EXPECT_EQ(borders, 2);
    EXPECT_EQ(c.logicalWidth, kAnalysisPageWidth) << "the analysis is drawn last, at 630 x 1120";
    EXPECT_EQ(c.logicalHeight, kAnalysisPageHeight);
}

TEST(AnalysisPrintout, theLogoIsItsTopLeftCornerAtThreeQuartersSize) {
    const AnalysisCanvas c = printed(test::fiveLapRun(), {1, 5});
    int logos = 0;
    for (std::size_t i = 0; i < c.bitmaps.size(); ++i) {
        const auto& b = c.bitmaps[i];
        if (b.target.width() == 0)
            continue;
        ++logos;
        EXPECT_EQ(b.file, "images/logo.bmp");
        EXPECT_TRUE(b.crop) << "only the corner of a larger logo";
        EXPECT_EQ(b.target.width(), 200) << "its 200 x 50 pixels, copied one to a unit";
        EXPECT_EQ(b.target.height(), 50);
        const int window = c.bitmapWindows[i].width;
        EXPECT_NEAR(onPage(b.target.left, window), 25, 0.5);
        EXPECT_NEAR(onPage(b.target.top, window), 25, 0.5);
        EXPECT_NEAR(onPage(b.target.width(), window), 150, 0.5);
        EXPECT_NEAR(onPage(b.target.height(), window), 37, 0.6);
    }
    EXPECT_EQ(logos, 1);
}

TEST(AnalysisPrintout, aLongRunSummaryShrinksToTheBoxesWidthWithItsKeysInWords) {
    DriverResult run = namedRun(test::fiveLapRun());
    run.summary = "Dur\xE9"
                  "e 0:05:00 - DEPARTSignalSonore - FINTEMPSFinirTour - D\xE9part 03/03/2027 9:05";
    AnalysisCanvas c = printed(run, {1, 5});
    const auto& track = drawn(c, " Piste : Piste du Lac   (Durée 0:05:00 - Départ au signal sonore "
                                 "- Fin en finissant le tour - Départ 03/03/2027 9:05) ");
    EXPECT_EQ(track.x, 50);
    EXPECT_LE(track.x + c.textWidth(track.text, track.font), 710) << "within the page's boxes";
    EXPECT_LT(track.font.height, printMainFont().height);
    const PrintDocument document = analysisPrintout(run, {1, 5});
    EXPECT_EQ(cp1252ToUtf8(proposedPdfName(document)),
              "Analyse Jean Dupont - Buggy - Manche1 - Série2.pdf");
}

TEST(AnalysisPrintout, headingsBoxesAndTitlesStandWhereTheyBelong) {
    const AnalysisCanvas c = printed(namedRun(test::fiveLapRun()), {2, 5});
    const auto& title = drawn(c, " Buggy - Manche1 - Série2  : Jean Dupont");
    EXPECT_EQ(title.x, 360);
    EXPECT_EQ(title.y, 130);
    const auto& track = drawn(c, " Piste : Piste du Lac   (Durée 5:00) ");
    EXPECT_EQ(track.x, 50);
    EXPECT_EQ(track.y, 210);
    EXPECT_EQ(track.align, Align::Left);
    for (const Rect& box :
         {Rect{50, 260, 710, 518}, Rect{50, 540, 710, 798}, Rect{50, 820, 710, 1078}}) {
        bool found = false;
        for (std::size_t i = 0; i < c.frames.size(); ++i)
            found = found || (sameRect(c.frames[i].rect, box) &&
                              c.frameWindows[i].width == kAnalysisPageWidth);
        EXPECT_TRUE(found) << box.top;
    }
    const auto& summary = drawn(c, "Synthèse du run entre tour 2 et tour 5");
    EXPECT_EQ(summary.x, 370);
    EXPECT_EQ(summary.y, 270);
    EXPECT_EQ(drawn(c, "Histogramme des temps au tour entre tour 2 et tour 5").y, 550);
    EXPECT_EQ(drawn(c, "Evolution des temps au tour entre tour 2 et tour 5").y, 830);
}

TEST(AnalysisPrintout, theSummaryBoxHoldsTheFiguresAndClasses) {
    const AnalysisCanvas c = printed(test::fiveLapRun(), {1, 5});
    const auto expectAt = [&](const char* utf8, int x, int y) {
        const auto& t = drawn(c, utf8);
        EXPECT_EQ(t.x, x) << utf8;
        EXPECT_EQ(t.y, y) << utf8;
    };
    expectAt("Meilleur tour :", 190, 350);
    expectAt("1:01.200", 280, 350);
    expectAt("(T 1)", 285, 350);
    expectAt("Moins bon tour :", 190, 375);
    expectAt("Tour moyen :", 190, 410);
    expectAt("1:02.790", 280, 410);
    expectAt("Ecart type :", 190, 440);
    expectAt("(régularité)", 160, 460);
    expectAt("Temps au tour", 360, 305);
    expectAt("% tours", 635, 305);
    expectAt("40.0 %", 635, 325);
    const auto& tours = drawn(c, "Tours");
    EXPECT_EQ(tours.x, 560);
}

TEST(AnalysisPrintout, theCurvesTitleEndsWithItsHundredthLapAfterTheFirst) {
    const AnalysisCanvas c = printed(test::runOfEqualLaps(160, 60'000), {5, 155});
    drawn(c, "Synthèse du run entre tour 5 et tour 155");
    drawn(c, "Evolution des temps au tour entre tour 5 et tour 105");
    ASSERT_EQ(c.polylinePens.size(), 1u);
    EXPECT_EQ(c.polylines[0].size(), 101u);
}

TEST(AnalysisPrintout, hasNeitherDateLineNorPageNumber) {
    const AnalysisCanvas c = printed(test::fiveLapRun(), {1, 5});
    for (const auto& t : c.texts) {
        EXPECT_EQ(t.text.find("Edit"), std::string::npos) << t.text;
        EXPECT_EQ(t.text.find("Page"), std::string::npos) << t.text;
    }
}

} // namespace
} // namespace racedesk
