#include "core/reports/detailed_results_table.h"

#include "core/race/run_results_texts.h"
#include "core/reports/csv_export.h"

#include <algorithm>
#include <string>

namespace racedesk {

PrintDocument detailedResultsTable(const DetailedResults& results, DetailView view,
                                   std::string_view runTitle) {
    PrintDocument document;
    if (view == DetailView::Positions)
        return document;
    const bool lapTimes = view == DetailView::LapTimes;
    document.fileTitle = tx(lapTimes ? RunResultsText::LapTimes : RunResultsText::PassingTimes);
    document.category = runTitle;
    document.numberedRows = false;
    const int cars = std::clamp(results.carCount, 0, kCarCount);
    document.exportColumns = {{tx(RunResultsText::LapHeading), CellKind::Number}};
    for (int k = 0; k < cars; ++k) {
        const DetailedCar& car = results.cars[std::size_t(k)];
        document.exportColumns.push_back(
            groupedColumn(detailLineHeading(car), car.name.view(), CellKind::Time));
    }
    const int laps = std::min(results.mostPassings(), kDetailLaps);
    for (int lap = 1; lap <= laps; ++lap) {
        PrintRow row = {std::to_string(lap)};
        for (int k = 0; k < cars; ++k)
            row.push_back(detailCellText(results.cars[std::size_t(k)], view, lap));
        document.rows.push_back(std::move(row));
    }
    return document;
}

} // namespace racedesk
