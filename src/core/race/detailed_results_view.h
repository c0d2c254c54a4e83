#pragma once
#include "core/platform/canvas.h"
#include "core/race/detailed_results.h"

#include <string>

namespace racedesk {

enum class DetailView { PassingTimes, LapTimes, Positions };

// The painted part of the detailed results dialog, in its client pixels: the legend panel on
// the left, the tables or the chart on the right.
inline constexpr Rect kLegendPanel{0, 50, 250, 600};
inline constexpr Rect kChartPanel{250, 50, 950, 600};
inline constexpr int kDetailTableRows = 20;    // laps shown at once
inline constexpr int kDetailTableColumns = 10; // cars in the tables, laps in the chart

// A car's column heading in the tables: "Ligne%d" with its slot number.
std::string detailLineHeading(const DetailedCar& car);
// A car's cell at lap `lap` (from 1) of the passing times or lap times table: the time as
// shown, empty past the car's last passing.
std::string detailCellText(const DetailedCar& car, DetailView view, int lap);

// The chart of positions has a meaning only when the run is ranked by laps then time and at
// least two cars ran in it.
bool positionChartDrawn(const DetailedResults& results);

// How far the scroll bars go: the laps under the table's rows, and the cars of the tables or
// the laps of the chart across.
int detailVerticalRange(const DetailedResults& results);
int detailHorizontalRange(const DetailedResults& results, DetailView view);

// The tables start at lap firstLap + 1 and at the car firstColumn of the list; the chart at
// lap firstColumn + 1.
void paintDetailedResults(Canvas& canvas, const DetailedResults& results, DetailView view,
                          int firstLap, int firstColumn);

} // namespace racedesk
