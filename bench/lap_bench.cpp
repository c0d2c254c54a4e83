// Counted laps in a run of 20 cars: the passings decoded from the reads the tick sees, each
// car's lap recorded, the run ranked and the 20 board rows formatted after every passing.
#include "core/app/program.h"
#include "core/timing/decoder_protocol.h"
#include "core/timing/run_engine.h"
#include "support/fake_clock.h"
#include "support/scripted_serial_port.h"
#include "support/temp_folder.h"
#include "support/test_program.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace racedesk {
namespace {

struct Quiet : SoundPlayer, Dialogs, Screen {
    void play(const char*, bool) override {}
    void message(const char*, const char*, Icon) override {}
    Answer ask(const char*, const char*, Buttons, Icon) override { return Answer::Yes; }
    std::string chooseSaveFile(const char*, const char*, const std::string&) override { return {}; }
    std::string chooseOpenFile(const char*, const char*, const std::string&) override { return {}; }
    void invalidate(BoardArea) override {}
    void setRunLocked(bool) override {}
    void setRaceTitle(const char*, bool) override {}
};

constexpr int kLaps = 250;

// The bytes of every passing of 250 laps of 20 cars, in crossing order, made before timing.
std::vector<std::vector<std::uint8_t>> passingBytes() {
    std::vector<std::vector<std::uint8_t>> all;
    for (int lap = 1; lap <= kLaps; ++lap) {
        for (int car = 0; car < kCarCount; ++car)
            all.push_back(test::kt2Passing(1001 + car, lap * 20'000 + car * 7));
    }
    return all;
}

// Each iteration takes 'passingsPerIteration' passings: 1 is one counted lap, 20 a lap of
// the whole field.
void countedLaps(benchmark::State& state) {
    const auto passingsPerIteration = std::size_t(state.range(0));
    test::TempFolder folder;
    test::FakeClock clock;
    test::ScriptedSerialPort serial(clock);
    Quiet quiet;
    Program p(Platform{clock, serial, quiet, quiet, quiet}, folder.path());
    p.sounds = defaultSoundSettings(SpokenLanguage::French);
    emptySlots(p.slots);
    for (int i = 0; i < kCarCount; ++i) {
        char transponder[8];
        std::snprintf(transponder, sizeof transponder, "%06d", 1001 + i);
        p.slots[std::size_t(i)].name = "Driver " + std::to_string(i + 1);
        p.slots[std::size_t(i)].transponder = transponder;
    }
    p.run.heatLoaded = p.run.holdsRun = true;
    p.run.durationMinutes = 600;
    p.run.maxLaps = 300;
    const auto all = passingBytes();

    ReceiveBuffer rx;
    DecodeOutput out;
    std::size_t next = all.size();
    for (auto _ : state) {
        if (next + passingsPerIteration > all.size()) {
            state.PauseTiming();
            prepareRun(p);
            p.run.running = true;
            next = 0;
            state.ResumeTiming();
        }
        for (std::size_t k = 0; k < passingsPerIteration; ++k) {
            for (const std::uint8_t b : all[next++])
                rx.bytes[std::size_t(rx.count++)] = b;
            if (rx.count + kKt2PassingSize > kMaxRead || k + 1 == passingsPerIteration) {
                decodePassings(rx, InterfaceKind::KT2, false, p.link.timeBase, out);
                for (int i = 0; i < out.count; ++i)
                    processPassing(p, out.passings[std::size_t(i)]);
            }
        }
        benchmark::DoNotOptimize(p.rows[0].totalTime.data);
    }
    if (p.slots[0].laps == 0)
        state.SkipWithError("no lap was counted");
    state.SetItemsProcessed(state.iterations() * std::int64_t(passingsPerIteration));
}
BENCHMARK(countedLaps)->Arg(1)->ArgName("passings")->Unit(benchmark::kMicrosecond);
BENCHMARK(countedLaps)->Arg(20)->ArgName("passings")->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace racedesk
