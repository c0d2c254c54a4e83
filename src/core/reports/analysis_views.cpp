#include "core/reports/analysis_views.h"

#include "core/common/text_builder.h"
#include "core/platform/fitted_font.h"
#include "core/reports/analysis_drawing.h"
#include "core/reports/analysis_texts.h"
#include "core/reports/curve_view.h"
#include "core/reports/histogram_view.h"

#include <cstdio>
#include <string>

namespace racedesk {
namespace {

constexpr int kNameFont = 35;
constexpr int kNameDrop = 30; // from the title band's top
constexpr int kFigureFont = 20;
constexpr int kDeviationFont = 16;
constexpr int kNoteFont = 14;
constexpr int kTableFont = 14;

// A label keeps this gap to the view's left edge.
constexpr int kLabelGap = 4;
// Offsets from the view area's top-left corner.
constexpr int kLabelRight = 130;
constexpr int kValueRight = 220;
constexpr int kLapNumberLeft = 225;
constexpr int kDeviationLeft = 140;
constexpr int kRegularityLeft = 100;
constexpr int kBestTop = 50;
constexpr int kWorstTop = 75;
constexpr int kAverageTop = 110;
constexpr int kDeviationTop = 140;
constexpr int kRegularityTop = 160;

constexpr Rect kHeaderBand{270, 3, 600, 23};
constexpr Rect kTableBody{270, 23, 600, 196};
constexpr int kHeaderTop = 5;
constexpr int kClassLeft = 300;
constexpr int kCountRight = 500;
constexpr int kShareRight = 575;
constexpr int kFirstLineTop = 25;
constexpr int kLinePitch = 17;

Rect moved(const Rect& r, Point by) {
    return {r.left + by.x, r.top + by.y, r.right + by.x, r.bottom + by.y};
}

void drawFigure(Canvas& canvas, Point corner, int top, AnalysisText label, RaceTime value, int lap,
                bool known) {
    // A long label ("Moins bon tour :") shrinks to stay inside the view's area, on the screen
    // as on paper.
    const FontSpec font =
        fittedFont(canvas, tx(label), analysisFont(kFigureFont), kLabelRight - kLabelGap);
    canvas.text(corner.x + kLabelRight, corner.y + top, tx(label), font, kBlack, Align::Right,
                false, kWhite);
    if (!known)
        return;
    drawViewText(canvas, {corner.x + kValueRight, corner.y + top}, lapTimeText(value), kFigureFont,
                 Align::Right);
    if (lap == 0)
        return;
    char number[32];
    std::snprintf(number, sizeof number, tx(AnalysisText::LapNumber), lap);
    drawViewText(canvas, {corner.x + kLapNumberLeft, corner.y + top}, number, kNoteFont);
}

void drawFigures(Canvas& canvas, Point corner, const DataStatistics& s) {
    const bool known = s.n > 0;
    drawFigure(canvas, corner, kBestTop, AnalysisText::BestLap, s.best, s.bestLap, known);
    drawFigure(canvas, corner, kWorstTop, AnalysisText::WorstLap, s.worst, s.worstLap, known);
    drawFigure(canvas, corner, kAverageTop, AnalysisText::AverageLap, s.average, 0, known);
    const int y = corner.y + kDeviationTop;
    drawViewText(canvas, {corner.x + kLabelRight, y}, tx(AnalysisText::Deviation), kDeviationFont,
                 Align::Right);
    if (known)
        drawViewText(canvas, {corner.x + kDeviationLeft, y}, "+/- " + lapTimeText(s.deviation),
                     kDeviationFont);
    drawViewText(canvas, {corner.x + kRegularityLeft, corner.y + kRegularityTop},
                 tx(AnalysisText::Regularity), kNoteFont);
}

std::string classText(const DataStatistics& s, std::size_t k) {
    std::string text = lapTimeText(s.boundaries[k]) + " < t ";
    if (k + 1 < s.boundaries.size())
        text += "< " + lapTimeText(s.boundaries[k + 1]);
    return text;
}

std::string shareText(int share) {
    char text[24];
    TextBuilder(text, sizeof text).number(share / 10).put('.').number(share % 10).put(" %");
    return text;
}

void drawClassTable(Canvas& canvas, Point corner, const DataStatistics& s) {
    const Rect body = moved(kTableBody, corner);
    canvas.fillRect(moved(kHeaderBand, corner), kClassHeader);
    canvas.fillRect(body, kClassBody);
    for (int y = body.top + kLinePitch; y <= body.bottom - kLinePitch / 5; y += kLinePitch)
        canvas.line({body.left, y}, {body.right, y}, kClassRule, 1, PenStyle::Solid);
    const int headerY = corner.y + kHeaderTop;
    drawViewText(canvas, {corner.x + kClassLeft, headerY}, tx(AnalysisText::ClassTime), kTableFont);
    drawViewText(canvas, {corner.x + kCountRight, headerY}, tx(AnalysisText::ClassLaps), kTableFont,
                 Align::Right);
    drawViewText(canvas, {corner.x + kShareRight, headerY}, tx(AnalysisText::ClassShare),
                 kTableFont, Align::Right);
    if (s.n == 0)
        return;
    for (std::size_t k = 0; k < s.boundaries.size(); ++k) {
        const int y = corner.y + kFirstLineTop + kLinePitch * int(k);
        drawViewText(canvas, {corner.x + kClassLeft, y}, classText(s, k), kTableFont);
        drawViewText(canvas, {corner.x + kCountRight, y}, std::to_string(s.counts[k]), kTableFont,
                     Align::Right);
        drawViewText(canvas, {corner.x + kShareRight, y}, shareText(s.shares[k]), kTableFont,
                     Align::Right);
    }
}

} // namespace

void paintTitleBand(Canvas& canvas, std::string_view driverName) {
    const int centre = (kTitleBand.left + kTitleBand.right) / 2;
    canvas.text(centre, kTitleBand.top + kNameDrop, driverName, analysisFont(kNameFont, true),
                kBlack, Align::Centre, true, kNameBackground);
}

void paintDataView(Canvas& canvas, Point corner, const DataStatistics& statistics) {
    drawFigures(canvas, corner, statistics);
    drawClassTable(canvas, corner, statistics);
}

void paintAnalysisView(Canvas& canvas, AnalysisView view, const DriverResult& run, LapRange range) {
    canvas.fillRect(kViewArea, kViewBackground);
    const Point corner{kViewArea.left, kViewArea.top};
    switch (view) {
    case AnalysisView::Data:
        paintDataView(canvas, corner, dataStatistics(run, range));
        return;
    case AnalysisView::Histogram:
        paintHistogramView(canvas, corner, histogramStatistics(run, range));
        return;
    case AnalysisView::Curve:
        paintCurveView(canvas, curvePlot(run, range, corner));
        return;
    }
}

} // namespace racedesk
