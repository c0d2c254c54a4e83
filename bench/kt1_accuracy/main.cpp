// kt1_accuracy: a KT1 passing is timed by the moment its bytes arrive, so a lap time should
// match the real interval between two passings to within a millisecond or two, whatever the
// phase of the 10 ms tick. This runs the program's link and tick as the program does
// (QtSerialPort, SystemClock, the tick from a precise 10 ms QTimer in an event loop), with
// kt-sim as a KT1 whose cars lap at varied intervals, and compares the lap times the run
// engine recorded with the intervals kt-sim logged between its sends.
//
// usage: kt1_accuracy [--cars N] [--laps N] [--lap-ms MS] [--jitter-ms MS]
// (laps measured per car; defaults 10 cars x 20 laps of 2000 +- 900 ms, about 45 s)
#include "core/app/program.h"
#include "core/app/tick.h"
#include "core/timing/interface_settings.h"
#include "core/timing/link_supervision.h"
#include "core/timing/run_engine.h"
#include "error_figures.h"
#include "kt-sim/control/sim_process.h"
#include "platform/qt_serial_port.h"
#include "platform/system_clock.h"
#include "support/recording_sound_player.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace racedesk::bench {
namespace {

constexpr const char* kPort = "COM49";
constexpr int kFirstTransponder = 1001;
constexpr double kTargetP95Ms = 2.0;

struct Settings {
    int cars = 10;
    int laps = 20;
    int lapMs = 2000;
    int jitterMs = 900;
};

bool parseSettings(int argc, char** argv, Settings& s) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const int value = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--cars") == 0 && value >= 1 && value <= kCarCount)
            s.cars = value;
        else if (std::strcmp(argv[i], "--laps") == 0 && value >= 1 && value < kLapTableSize - 1)
            s.laps = value;
        else if (std::strcmp(argv[i], "--lap-ms") == 0 && value > 0)
            s.lapMs = value;
        else if (std::strcmp(argv[i], "--jitter-ms") == 0 && value >= 0)
            s.jitterMs = value;
        else
            return false;
    }
    return argc % 2 == 1;
}

std::vector<std::string> simOptions(const Settings& s) {
    std::string transponders;
    for (int i = 0; i < s.cars; ++i)
        transponders += (i > 0 ? "," : "") + std::to_string(kFirstTransponder + i);
    // The cars wait for the run; each makes one passing more than the laps measured, since
    // the first only ends the lap from the grid.
    std::vector<std::string> options = {"--kt1", "--port", kPort, "--start-after-ms", "-1"};
    const std::pair<const char*, std::string> values[] = {
        {"--cars", std::to_string(s.cars)},
        {"--transponders", transponders},
        {"--lap-ms", std::to_string(s.lapMs)},
        {"--jitter-ms", std::to_string(s.jitterMs)},
        {"--laps", std::to_string(s.laps + 1)}};
    for (const auto& [name, value] : values) {
        options.emplace_back(name);
        options.push_back(value);
    }
    return options;
}

void loadHeat(Program& p, int cars) {
    emptySlots(p.slots);
    for (int i = 0; i < cars; ++i) {
        CarSlot& slot = p.slots[std::size_t(i)];
        char text[32];
        std::snprintf(text, sizeof text, "Pilote %d", i + 1);
        slot.name = text;
        std::snprintf(text, sizeof text, "%06d", kFirstTransponder + i);
        slot.transponder = text;
    }
    p.run.countdownSeconds = 0;
    p.run.minLapSeconds = 0;
    p.run.durationMinutes = 60;
    p.run.heatLoaded = true;
    p.run.holdsRun = true;
    prepareRun(p);
}

// Lap n of a car against the interval between its passings n-1 and n as kt-sim sent them.
std::vector<double> lapErrors(const Program& p, const std::vector<ktsim::LogEntry>& log, int cars,
                              int& missing) {
    std::vector<double> errors;
    missing = 0;
    for (int i = 0; i < cars; ++i) {
        const CarSlot& slot = p.slots[std::size_t(i)];
        const auto sent = ktsim::sentPassings(log, kFirstTransponder + i);
        missing += int(sent.size()) - slot.laps;
        for (int n = 2; n <= slot.laps && n <= int(sent.size()); ++n) {
            const double intervalMs =
                double(sent[std::size_t(n - 1)].micros - sent[std::size_t(n - 2)].micros) / 1000.0;
            errors.push_back(double(slot.lapTimes[std::size_t(n)]) - intervalMs);
        }
    }
    return errors;
}

int report(const ErrorFigures& f, int missing) {
    std::printf("KT1 lap time accuracy (recorded lap - interval sent), %d laps\n", f.count);
    std::printf("  p50 |error|   %6.3f ms\n", f.p50);
    std::printf("  p95 |error|   %6.3f ms   (target <= %.1f ms: %s)\n", f.p95, kTargetP95Ms,
                f.p95 <= kTargetP95Ms ? "met" : "NOT met");
    std::printf("  worst |error| %6.3f ms\n", f.worst);
    std::printf("  mean error    %+6.3f ms\n", f.meanSigned);
    std::printf("  passings sent but not recorded: %d\n", missing);
    return f.count > 0 && missing == 0 && f.p95 <= kTargetP95Ms ? 0 : 3;
}

} // namespace
} // namespace racedesk::bench

int main(int argc, char** argv) {
    using namespace racedesk;
    QCoreApplication app(argc, argv);
    bench::Settings settings;
    if (!bench::parseSettings(argc, argv, settings)) {
        std::fprintf(stderr, "usage: kt1_accuracy [--cars N] [--laps N] [--lap-ms MS] "
                             "[--jitter-ms MS]\n");
        return 2;
    }

    test::TempFolder folder;
    SystemClock clock;
    QtSerialPort serial(folder.path());
    test::RecordingSoundPlayer sound;
    test::ScriptedDialogs dialogs;
    test::RecordingScreen screen;
    Program program(Platform{clock, serial, sound, dialogs, screen}, folder.path());

    ktsim::SimProcess sim(KT_SIM_PATH, folder.path(), bench::simOptions(settings));
    if (!sim.waitFor({"ready"}, 1, 5000)) {
        std::fprintf(stderr, "kt-sim did not start\n");
        return 1;
    }
    InterfaceSettings saved;
    saved.portName = bench::kPort;
    saved.type = kTypeKt1;
    writeInterfaceSettings(program.path(kInterfaceSettingsFile), saved);
    startDecoderLink(program);
    if (program.link.connected != 1 || program.link.isKt2()) {
        std::fprintf(stderr, "the link did not come up as KT1\n");
        return 1;
    }
    bench::loadHeat(program, settings.cars);
    startRun(program);

    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] { tick(program); });
    ticker.start(10);

    // The cars start once the run runs; the run stops a moment after their last passing.
    bool carsStarted = false;
    int ticksSinceDone = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!carsStarted && program.run.running)
            carsStarted = sim.command("start");
        if (ticksSinceDone < 0 && !ktsim::entriesOf(sim.log(), {"cars-done"}).empty())
            ticksSinceDone = 0;
        if (ticksSinceDone >= 0 && ++ticksSinceDone > 3) {
            stopRun(program);
            app.quit();
        }
    });
    watch.start(100);
    const int limitMs = (settings.laps + 2) * (settings.lapMs + settings.jitterMs) + 10'000;
    QTimer::singleShot(limitMs, &app, [&] {
        std::fprintf(stderr, "kt-sim's cars did not finish in time\n");
        app.quit();
    });
    app.exec();

    int missing = 0;
    const auto errors = bench::lapErrors(program, sim.log(), settings.cars, missing);
    return bench::report(bench::errorFigures(errors), missing);
}
