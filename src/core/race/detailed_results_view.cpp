#include "core/race/detailed_results_view.h"

#include "core/common/race_time.h"
#include "core/race/run_results_texts.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace racedesk {
namespace {

constexpr Colour kPanelBackground = kWhite;
constexpr Colour kPanelFrame = rgb(160, 160, 160);
constexpr Colour kHeaderBand = rgb(225, 225, 225);
constexpr Colour kGridGrey = rgb(190, 190, 190);

constexpr int kLegendLeft = 8;
constexpr int kLegendTop = 60;
constexpr int kLegendStep = 20;
constexpr int kLapColumnLeft = 200;
constexpr int kCarColumnLeft = 250;
constexpr int kCarColumnWidth = 70;
constexpr int kTableRowHeight = 26;
constexpr int kTextInset = 5; // from a cell's top to its text's top

constexpr int kPlotLeft = 300;
constexpr int kLapStep = 56;
constexpr int kPlotTop = 90;
constexpr int kPlotBottom = 570;
constexpr int kMostPositionStep = 60;
constexpr int kNameGap = 6; // from a curve's end to its name

// One colour per line number, far enough apart to tell 20 curves from one another.
constexpr Colour kLineColours[kCarCount] = {
    rgb(200, 0, 0),   rgb(0, 0, 200),     rgb(0, 140, 0),   rgb(230, 120, 0), rgb(140, 0, 160),
    rgb(0, 150, 160), rgb(120, 80, 20),   rgb(230, 0, 140), rgb(90, 90, 90),  rgb(150, 150, 0),
    rgb(0, 90, 130),  rgb(255, 80, 80),   rgb(80, 200, 80), rgb(80, 80, 255), rgb(170, 110, 60),
    rgb(0, 200, 200), rgb(190, 100, 190), rgb(100, 0, 0),   rgb(0, 80, 0),    rgb(0, 0, 0)};

Colour colourOf(const DetailedCar& car) {
    return kLineColours[std::size_t(std::clamp(car.line, 1, kCarCount) - 1)];
}

std::string lineLabel(const DetailedCar& car) {
    char text[64];
    std::snprintf(text, sizeof text, "L%d: %s", car.line, car.name.c_str());
    return text;
}

// The text cut at its end until it fits the room: a long name never runs into the next panel.
std::string fitted(Canvas& canvas, std::string text, const FontSpec& font, int room) {
    while (!text.empty() && canvas.textWidth(text, font) > room)
        text.pop_back();
    return text;
}

void drawText(Canvas& canvas, int x, int y, std::string_view text, const FontSpec& font,
              Colour colour = kBlack, Align align = Align::Left) {
    canvas.text(x, y, text, font, colour, align, false, kWhite);
}

void drawNumber(Canvas& canvas, int x, int y, int value, const FontSpec& font) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    drawText(canvas, x, y, text, font, kBlack, Align::Centre);
}

void drawPanels(Canvas& canvas) {
    for (const Rect& panel : {kLegendPanel, kChartPanel})
        canvas.frameRect(panel, kPanelFrame, 1, true, kPanelBackground);
}

void drawLegend(Canvas& canvas, const DetailedResults& results, bool coloured) {
    const FontSpec font = arialFont(15);
    const int room = kLapColumnLeft - kLegendLeft - 5;
    for (int i = 0; i < results.carCount; ++i) {
        const DetailedCar& car = results.cars[std::size_t(i)];
        drawText(canvas, kLegendLeft, kLegendTop + kLegendStep * i,
                 fitted(canvas, lineLabel(car), font, room), font,
                 coloured ? colourOf(car) : kBlack);
    }
}

int visibleColumns(const DetailedResults& results, int firstColumn) {
    return std::clamp(results.carCount - firstColumn, 0, kDetailTableColumns);
}

void drawTableGrid(Canvas& canvas, int columns) {
    const int top = kLegendPanel.top;
    const int right = kCarColumnLeft + kCarColumnWidth * columns;
    const int bottom = top + kTableRowHeight * (kDetailTableRows + 1);
    canvas.fillRect({kLapColumnLeft, top, right, top + kTableRowHeight}, kHeaderBand);
    for (int r = 0; r <= kDetailTableRows + 1; ++r) {
        const int y = top + kTableRowHeight * r;
        canvas.line({kLapColumnLeft, y}, {right, y}, kGridGrey, 1, PenStyle::Solid);
    }
    canvas.line({kLapColumnLeft, top}, {kLapColumnLeft, bottom}, kGridGrey, 1, PenStyle::Solid);
    for (int k = 0; k <= columns; ++k) {
        const int x = kCarColumnLeft + kCarColumnWidth * k;
        canvas.line({x, top}, {x, bottom}, kGridGrey, 1, PenStyle::Solid);
    }
}

void drawTableHeadings(Canvas& canvas, const DetailedResults& results, int firstColumn) {
    const FontSpec font = arialFont(16, 700);
    const int y = kLegendPanel.top + kTextInset;
    drawText(canvas, (kLapColumnLeft + kCarColumnLeft) / 2, y, tx(RunResultsText::LapHeading), font,
             kBlack, Align::Centre);
    for (int k = 0; k < visibleColumns(results, firstColumn); ++k)
        drawText(canvas, kCarColumnLeft + kCarColumnWidth * k + kCarColumnWidth / 2, y,
                 detailLineHeading(results.cars[std::size_t(firstColumn + k)]), font, kBlack,
                 Align::Centre);
}

void drawTable(Canvas& canvas, const DetailedResults& results, DetailView view, int firstLap,
               int firstColumn) {
    const int columns = visibleColumns(results, firstColumn);
    drawTableGrid(canvas, columns);
    drawTableHeadings(canvas, results, firstColumn);
    const FontSpec font = arialFont(14);
    for (int r = 0; r < kDetailTableRows; ++r) {
        const int lap = firstLap + 1 + r;
        if (lap > kDetailLaps)
            break;
        const int y = kLegendPanel.top + kTableRowHeight * (r + 1) + kTextInset;
        drawNumber(canvas, (kLapColumnLeft + kCarColumnLeft) / 2, y, lap, font);
        for (int k = 0; k < columns; ++k) {
            const std::string text =
                detailCellText(results.cars[std::size_t(firstColumn + k)], view, lap);
            if (!text.empty())
                drawText(canvas, kCarColumnLeft + kCarColumnWidth * k + kCarColumnWidth / 2, y,
                         text, font, kBlack, Align::Centre);
        }
    }
}

int lapX(int column) {
    return kPlotLeft + kLapStep * column;
}

int positionStep(int cars) {
    return std::min(kMostPositionStep, (kPlotBottom - kPlotTop) / std::max(1, cars - 1));
}

int positionY(int position, int cars) {
    return kPlotTop + (std::clamp(position, 1, cars) - 1) * positionStep(cars);
}

void drawChartGrid(Canvas& canvas, int cars, int firstColumn) {
    const FontSpec font = arialFont(14);
    const int lastX = lapX(kDetailTableColumns - 1);
    for (int k = 0; k < kDetailTableColumns; ++k) {
        const int x = lapX(k);
        canvas.line({x, kPlotTop - 10}, {x, positionY(cars, cars) + 10}, kGridGrey, 1,
                    PenStyle::Solid);
        drawNumber(canvas, x, kChartPanel.top + 10, firstColumn + k + 1, font);
    }
    for (int position = 1; position <= cars; ++position) {
        const int y = positionY(position, cars);
        canvas.line({kPlotLeft - 10, y}, {lastX + 10, y}, kBlack, 1, PenStyle::Dotted);
        drawNumber(canvas, kCarColumnLeft + 20, y - 8, position, font);
    }
}

// The points of a car's curve in the columns shown; gives their count.
int curvePoints(const DetailedCar& car, int cars, int firstColumn,
                Point (&points)[kDetailTableColumns]) {
    int count = 0;
    for (int k = 0; k < kDetailTableColumns; ++k) {
        const int lap = firstColumn + k + 1;
        if (lap > car.passings || lap > kDetailLaps)
            break;
        points[count++] = {lapX(k), positionY(car.positions[std::size_t(lap)], cars)};
    }
    return count;
}

// The car's name at the end of its curve, on white: the grid's dotted lines and the other
// curves, drawn before, pass under it. It stops before the panel's edge and before the next
// name on its line, that of a car whose curve ends later in that place.
void drawCurveName(Canvas& canvas, const DetailedCar& car, Point end, int right) {
    const FontSpec font = arialFont(14);
    const int room = right - (end.x + kNameGap);
    canvas.text(end.x + kNameGap, end.y - 8, fitted(canvas, lineLabel(car), font, room), font,
                colourOf(car), Align::Left, true, kWhite);
}

// Where the name of the curve ending at ends[i] must stop.
int nameRight(const Point* ends, int count, int i) {
    int right = kChartPanel.right - 5;
    for (int j = 0; j < count; ++j) {
        if (ends[j].y == ends[i].y && ends[j].x > ends[i].x)
            right = std::min(right, ends[j].x + kNameGap - 4);
    }
    return right;
}

void drawChart(Canvas& canvas, const DetailedResults& results, int firstColumn) {
    const int cars = std::min(results.carCount, kCarCount);
    drawChartGrid(canvas, cars, firstColumn);
    Point points[kDetailTableColumns];
    Point ends[kCarCount];
    bool drawn[kCarCount] = {};
    for (int i = 0; i < cars; ++i) {
        const DetailedCar& car = results.cars[std::size_t(i)];
        const int count = curvePoints(car, cars, firstColumn, points);
        if (count == 0)
            continue;
        canvas.polyline(points, count, colourOf(car), 2);
        ends[i] = points[count - 1];
        drawn[i] = true;
    }
    for (int i = 0; i < cars; ++i) {
        if (drawn[i])
            drawCurveName(canvas, results.cars[std::size_t(i)], ends[i], nameRight(ends, cars, i));
    }
}

} // namespace

std::string detailLineHeading(const DetailedCar& car) {
    char text[32];
    std::snprintf(text, sizeof text, tx(RunResultsText::LineHeading), car.line);
    return text;
}

std::string detailCellText(const DetailedCar& car, DetailView view, int lap) {
    if (lap < 1 || lap > car.passings || lap > kDetailLaps)
        return {};
    const auto at = std::size_t(lap);
    char text[24];
    formatShortTime(
        splitTime(view == DetailView::LapTimes ? car.lapTimes[at] : car.passingTimes[at]), text,
        int(sizeof text));
    return text;
}

bool positionChartDrawn(const DetailedResults& results) {
    return results.mode == RankingMode::LapsThenTime && results.carCount >= 2;
}

int detailVerticalRange(const DetailedResults& results) {
    return std::max(0, results.mostPassings() - kDetailTableRows);
}

int detailHorizontalRange(const DetailedResults& results, DetailView view) {
    if (view == DetailView::Positions)
        return std::max(0, results.mostPassings() - kDetailTableColumns);
    return std::max(0, results.carCount - kDetailTableColumns);
}

void paintDetailedResults(Canvas& canvas, const DetailedResults& results, DetailView view,
                          int firstLap, int firstColumn) {
    drawPanels(canvas);
    const bool chart = view == DetailView::Positions;
    drawLegend(canvas, results, chart);
    if (!chart)
        drawTable(canvas, results, view, std::max(0, firstLap), std::max(0, firstColumn));
    else if (positionChartDrawn(results))
        drawChart(canvas, results, std::max(0, firstColumn));
}

} // namespace racedesk
