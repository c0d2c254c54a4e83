// Painting the whole live board, 20 rows of a run in progress, into a 1920x1080 image with
// the Qt canvas, per paint.
#include "core/app/program.h"
#include "core/timing/board_painter.h"
#include "core/timing/run_engine.h"
#include "platform/qt_canvas.h"
#include "support/test_program.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace racedesk {
namespace {

void fillRun(test::TestProgram& t) {
    std::vector<std::string> drivers;
    for (int i = 1; i <= kCarCount; ++i)
        drivers.push_back("Driver number " + std::to_string(i));
    t.program.display = defaultDisplaySettings();
    t.program.run.durationMinutes = 10;
    t.connectKt2();
    t.loadHeat(drivers);
    t.startAndRun();
    for (int lap = 1; lap <= 12; ++lap) {
        for (int car = 0; car < kCarCount; ++car)
            t.serial.arrive(test::kt2Passing(1001 + car, lap * 20'000 + car * 37 + lap * car));
        t.runTicks(10);
    }
    t.program.rows[3].justPassed = true;
}

void paintWholeBoard(benchmark::State& state) {
    test::TestProgram t;
    fillRun(t);
    QImage image(1920, 1080, QImage::Format_RGB32);
    const BoardLayout layout = layoutBoard(1920, 1080, t.program.display.columnWidths);
    for (auto _ : state) {
        QPainter painter(&image);
        QtCanvas canvas(painter, QString::fromStdString(t.folder.path()));
        paintBoard(canvas, layout, t.program);
    }
    if (t.program.entryCount != kCarCount || t.program.slots[0].laps == 0)
        state.SkipWithError("the run was not filled");
    state.SetLabel("per paint, 20 rows, 1920x1080");
}
BENCHMARK(paintWholeBoard)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace racedesk

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
