#include "core/reports/lap_detail.h"

#include "core/reports/analysis_drawing.h"
#include "core/reports/analysis_texts.h"
#include "core/reports/analysis_views.h"

#include <algorithm>
#include <cstdio>

namespace racedesk {
namespace {

constexpr int kFont = 16;
constexpr int kNameLeft = 5;   // the row's name, from the band's left edge
constexpr int kFirstLap = 135; // the first lap's right edge, from the band's left edge
constexpr int kLapPitch = 70;
constexpr int kTextDrop = 4; // from a band's top to its texts' top

void drawRow(Canvas& canvas, const Rect& band, Colour fill, AnalysisText name) {
    canvas.fillRect(band, fill);
    drawViewText(canvas, {band.left + kNameLeft, band.top + kTextDrop}, tx(name), kFont);
}

} // namespace

bool lapScrollShown(int laps) {
    return laps >= kLapsShown;
}

int lapScrollMaximum(int laps) {
    return lapScrollShown(laps) ? laps - (kLapsShown - 1) : 0;
}

int scrollLaps(int position, LapScroll action, int thumb, int laps) {
    const int maximum = lapScrollMaximum(laps);
    switch (action) {
    case LapScroll::LineLeft:
        position -= 1;
        break;
    case LapScroll::LineRight:
        position += 1;
        break;
    case LapScroll::PageLeft:
        position = 0;
        break;
    case LapScroll::PageRight:
        position = maximum;
        break;
    case LapScroll::Thumb:
        position = thumb;
        break;
    }
    return std::clamp(position, 0, maximum);
}

void paintLapDetail(Canvas& canvas, const DriverResult& run, int position) {
    drawRow(canvas, kLapNumbersBand, kClassHeader, AnalysisText::RowLaps);
    drawRow(canvas, kLapTimesBand, kClassBody, AnalysisText::RowTimes);
    for (int i = 0; i < kLapsShown; ++i) {
        const int lap = position + 1 + i;
        if (lap < 1 || lap > run.laps)
            continue;
        const int x = kLapNumbersBand.left + kFirstLap + kLapPitch * i;
        char number[32];
        std::snprintf(number, sizeof number, tx(AnalysisText::RowLap), lap);
        drawViewText(canvas, {x, kLapNumbersBand.top + kTextDrop}, number, kFont, Align::Right);
        drawViewText(canvas, {x, kLapTimesBand.top + kTextDrop}, lapTimeText(lapTime(run, lap)),
                     kFont, Align::Right);
    }
}

} // namespace racedesk
