// The transfer files the dialogs read: "DetailResultats.res" (the detailed results, shown in
// their three views), "ResultatPilote.res" (the run analysis, in its three views and on
// paper) and "CommentaireSerie.res". The first byte of the input chooses the file, the rest
// is its content. Each is read and written back, and what the second reading gives must
// write the same bytes again.
#include "fuzz_support.h"

#include "core/race/detail_results_file.h"
#include "core/race/detailed_results.h"
#include "core/race/detailed_results_view.h"
#include "core/race/transfer_files.h"
#include "core/reports/analysis_printout.h"
#include "core/reports/analysis_views.h"
#include "core/reports/driver_analysis.h"
#include "core/timing/run_engine.h"
#include "support/recording_canvas.h"

#include <cstddef>
#include <cstdint>
#include <memory>

using namespace racedesk;

namespace {

std::string written(const std::string& path, bool ok) {
    fuzz::expect(ok, "a transfer file could not be written");
    return fuzz::fileBytes(path);
}

void detailedResults(std::string_view bytes) {
    const std::string path = fuzz::scratchFile("DetailResultats.res");
    fuzz::putFile(path, bytes);
    static auto slots = std::make_unique<CarSlots>();
    RankingMode mode = RankingMode::LapsThenTime;
    fuzz::expect(readDetailResults(path, mode, *slots), "the detailed results were not read");
    static auto results = std::make_unique<DetailedResults>();
    buildDetailedResults(mode, *slots, *results);
    for (const DetailView view :
         {DetailView::PassingTimes, DetailView::LapTimes, DetailView::Positions}) {
        test::RecordingCanvas canvas;
        paintDetailedResults(canvas, *results, view, 0, 0);
        paintDetailedResults(canvas, *results, view, detailVerticalRange(*results),
                             detailHorizontalRange(*results, view));
    }
    const std::string once = written(path, writeDetailResults(path, mode, *slots));
    fuzz::expect(readDetailResults(path, mode, *slots), "the written results were not read");
    fuzz::expectSame(once, written(path, writeDetailResults(path, mode, *slots)),
                     "detailed results read and written again");
}

CarSlot slotOf(const DriverResult& run) {
    CarSlot car;
    car.name = run.name.view();
    car.passings = run.laps;
    for (int j = 0; j <= run.laps; ++j)
        car.cumulativeTimes[std::size_t(j)] = run.times[std::size_t(j)];
    return car;
}

void driverResult(std::string_view bytes) {
    const std::string path = fuzz::scratchFile("ResultatPilote.res");
    fuzz::putFile(path, bytes);
    static auto run = std::make_unique<DriverResult>();
    fuzz::expect(readDriverResult(path, *run), "the driver's result was not read");
    const LapRange range = wholeRun(*run);
    if (holdsLaps(*run, range)) {
        for (const AnalysisView view :
             {AnalysisView::Data, AnalysisView::Histogram, AnalysisView::Curve}) {
            test::RecordingCanvas canvas;
            paintAnalysisView(canvas, view, *run, range);
        }
        test::RecordingCanvas page;
        drawAnalysisPage(page, *run, range);
    }
    static auto car = std::make_unique<CarSlot>();
    *car = slotOf(*run);
    const std::string once =
        written(path, writeDriverResult(path, *car, run->runTitle.view(), run->circuit.view(),
                                        run->summary.view()));
    fuzz::expect(readDriverResult(path, *run), "the written result was not read");
    *car = slotOf(*run);
    fuzz::expectSame(once,
                     written(path, writeDriverResult(path, *car, run->runTitle.view(),
                                                     run->circuit.view(), run->summary.view())),
                     "driver's result read and written again");
}

void heatComment(std::string_view bytes) {
    const std::string path = fuzz::scratchFile("CommentaireSerie.res");
    fuzz::putFile(path, bytes);
    HeatComment comment;
    fuzz::expect(readHeatComment(path, comment), "the comment was not read");
    const std::string once = written(path, writeHeatComment(path, comment));
    fuzz::expect(readHeatComment(path, comment), "the written comment was not read");
    fuzz::expectSame(once, written(path, writeHeatComment(path, comment)),
                     "heat comment read and written again");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputSplitter input(data, size);
    switch (input.byte() % 3) {
    case 0:
        detailedResults(input.rest());
        break;
    case 1:
        driverResult(input.rest());
        break;
    default:
        heatComment(input.rest());
        break;
    }
    return 0;
}
