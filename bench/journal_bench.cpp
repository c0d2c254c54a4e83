// The tick of a running heat with and without the decoder journal: the same reads of 20 KT2
// passings a tick, decoded, counted and ranked, with the journal closed (journal:0) and open
// (journal:1), so that the journal's cost on the tick is read as a ratio in one run.
#include "core/app/program.h"
#include "core/app/tick.h"
#include "core/timing/journal_files.h"
#include "core/timing/run_engine.h"
#include "support/fake_clock.h"
#include "support/scripted_serial_port.h"
#include "support/temp_folder.h"
#include "support/test_program.h"

#include <benchmark/benchmark.h>

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

void loadField(Program& p) {
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
    p.link.interfaceType = "TarvolinKT2";
}

// Each iteration is one tick that reads a lap of the whole field (20 passings, 220 bytes).
void tickOfAFullField(benchmark::State& state) {
    test::TempFolder folder;
    test::FakeClock clock;
    test::ScriptedSerialPort serial(clock);
    Quiet quiet;
    Program p(Platform{clock, serial, quiet, quiet, quiet}, folder.path());
    if (state.range(0) != 0)
        openDayJournal(p);
    serial.open("COM1");
    loadField(p);
    std::vector<std::vector<std::uint8_t>> lap;
    int lapNumber = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (lapNumber % 250 == 0) {
            prepareRun(p);
            p.run.running = true;
            p.run.runClockStartMs = clock.tickMs();
            lapNumber = 0;
        }
        ++lapNumber;
        for (int car = 0; car < kCarCount; ++car)
            serial.arriveAt(clock.nowMicros() + 1,
                            test::kt2Passing(1001 + car, lapNumber * 20'000 + car * 7));
        clock.advanceMs(10);
        state.ResumeTiming();
        tick(p);
        benchmark::DoNotOptimize(p.rows[0].totalTime.data);
    }
    if (p.slots[0].laps == 0)
        state.SkipWithError("no lap was counted");
    if (p.journal.droppedRecords() != 0)
        state.SkipWithError("the journal dropped records");
}
BENCHMARK(tickOfAFullField)->Arg(0)->Arg(1)->ArgName("journal")->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace racedesk
