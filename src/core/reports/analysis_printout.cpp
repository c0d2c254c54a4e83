#include "core/reports/analysis_printout.h"

#include "core/common/texts.h"
#include "core/platform/fitted_font.h"
#include "core/reports/analysis_drawing.h"
#include "core/reports/analysis_texts.h"
#include "core/reports/analysis_views.h"
#include "core/reports/curve_view.h"
#include "core/reports/histogram_view.h"
#include "core/reports/lap_statistics.h"
#include "core/reports/print_file_name.h"
#include "core/reports/print_frame.h"

#include <cstdio>

namespace racedesk {
namespace {

constexpr const char* kLogo = "images/logo.bmp";
// The logo's top-left 200 x 50 pixels at three quarters of their size, 150 x 37 at (25, 25):
// the canvas copies a bitmap's corner one pixel to a unit, so it is copied in a window a
// third larger than the page's.
constexpr int kLogoWindowWidth = kAnalysisPageWidth * 4 / 3;
constexpr int kLogoWindowHeight = kAnalysisPageHeight * 4 / 3;
constexpr Rect kLogo200x50{33, 33, 233, 83};

constexpr Point kTitleLine{360, 130};
constexpr Point kTrackLine{50, 210};
constexpr int kBoxTitleFont = 20;
constexpr int kBoxTitleX = 370;     // the boxes' titles are centred there
constexpr int kBoxTitleDrop = 10;   // from a box's top to its title's top
constexpr Point kViewInBox{10, 40}; // a view's corner, from its box's top-left corner

struct Box {
    Rect outline;
    AnalysisText title;
};
constexpr Box kSummaryBox{{50, 260, 710, 518}, AnalysisText::PrintSummaryTitle};
constexpr Box kHistogramBox{{50, 540, 710, 798}, AnalysisText::PrintHistogramTitle};
constexpr Box kCurveBox{{50, 820, 710, 1078}, AnalysisText::PrintCurveTitle};

// The box and its title; gives the corner of the view it holds.
Point drawBox(Canvas& canvas, const Box& box, int firstLap, int lastLap) {
    canvas.frameRect(box.outline, kBlack, 1, false, kWhite);
    char title[160];
    std::snprintf(title, sizeof title, tx(box.title), firstLap, lastLap);
    canvas.text(kBoxTitleX, box.outline.top + kBoxTitleDrop, title,
                analysisFont(kBoxTitleFont, true), kBlack, Align::Centre, false, kWhite);
    return {box.outline.left + kViewInBox.x, box.outline.top + kViewInBox.y};
}

void drawHeadings(Canvas& canvas, const DriverResult& run) {
    const FontSpec font = printMainFont();
    canvas.text(kTitleLine.x, kTitleLine.y, analysisTitleLine(run), font, kBlack, Align::Centre,
                false, kWhite);
    // The line holds the whole run summary: it shrinks to stay within the boxes' width.
    const std::string track = analysisTrackLine(run);
    canvas.text(kTrackLine.x, kTrackLine.y, track,
                fittedFont(canvas, track, font, kSummaryBox.outline.width()), kBlack, Align::Left,
                false, kWhite);
}

} // namespace

void drawAnalysisPage(Canvas& canvas, const DriverResult& run, LapRange range) {
    canvas.setLogicalWindow(kLogoWindowWidth, kLogoWindowHeight);
    canvas.bitmap(kLogo200x50, kLogo, true);
    canvas.setLogicalWindow(kAnalysisPageWidth, kAnalysisPageHeight);
    drawHeadings(canvas, run);
    paintDataView(canvas, drawBox(canvas, kSummaryBox, range.first, range.last),
                  dataStatistics(run, range));
    paintHistogramView(canvas, drawBox(canvas, kHistogramBox, range.first, range.last),
                       histogramStatistics(run, range));
    const Point curveCorner = drawBox(canvas, kCurveBox, range.first, curveLastLap(range));
    paintCurveView(canvas, curvePlot(run, range, curveCorner));
}

PrintDocument analysisPrintout(const DriverResult& run, LapRange range) {
    PrintDocument document;
    document.jobName = tx(Text::PrintJobRunSummary);
    document.fileTitle = printFileTitle(PrintFileText::Analysis, run.name.view());
    document.category = run.runTitle.view(); // the category, round and heat
    document.layout.logo = {};               // the analysis draws its own, smaller
    document.layout.numberedPages = false;
    document.dated = false;
    document.numberedRows = false;
    document.rows = {PrintRow{}}; // one page
    document.drawTable = [run, range](Canvas& canvas, const PrintDocument&, int) {
        drawAnalysisPage(canvas, run, range);
    };
    return document;
}

} // namespace racedesk
