// The live results under load: a 20-car run ticked in real time, first with the server off,
// then with 200 browsers on loopback holding the live board. Says how long the tick takes in
// each case, whether every browser received every update, and how the process's memory moved
// while they held the page. Run by hand; not a test.
#include "core/app/tick.h"
#include "platform/live_server.h"
#include "stream_clients.h"
#include "support/test_program.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace racedesk::bench {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kClients = 200;
constexpr int kTicks = 3000; // 30 s of the run, for each case

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

struct TickFigures {
    double medianUs = 0, p99Us = 0, maxUs = 0;
    int passings = 0;
};

// 20 cars lapping in 3 to 4 s, a passing every 150 ms or so: each changes the board.
class Run {
public:
    Run() {
        t.connectKt2();
        std::vector<std::string> drivers;
        for (int i = 0; i < kCarCount; ++i)
            drivers.push_back("Driver " + std::to_string(i + 1));
        t.program.run.durationMinutes = 600;
        t.loadHeat(drivers);
        started = t.startAndRun();
        for (int car = 0; car < kCarCount; ++car)
            next[car] = 3000 + car * 170;
    }

    // `ticks` ticks paced at 10 ms of real time, each one measured.
    TickFigures tickFor(int ticks, const std::function<void(int)>& every = nullptr) {
        std::vector<double> us;
        TickFigures f;
        auto slot = Clock::now();
        for (int i = 0; i < ticks; ++i) {
            slot += 10ms;
            std::this_thread::sleep_until(slot);
            ms += 10;
            for (int car = 0; car < kCarCount; ++car) {
                if (next[car] <= ms) {
                    t.serial.arrive(test::kt2Passing(1001 + car, next[car]));
                    next[car] += 3000 + car * 50 + (ms / 10 % 7) * 20;
                    ++f.passings;
                }
            }
            t.clock.advanceMs(10);
            const auto began = Clock::now();
            tick(t.program);
            us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - began).count());
            // The fakes note what they were asked; emptied, they keep their room.
            t.screen.invalidated.clear();
            t.sound.clips.clear();
            t.sound.waited.clear();
            t.serial.written.clear();
            if (every)
                every(i);
        }
        std::sort(us.begin(), us.end());
        f.medianUs = us[us.size() / 2];
        f.p99Us = us[us.size() * 99 / 100];
        f.maxUs = us.back();
        return f;
    }

    test::TestProgram t;
    bool started = false;

private:
    std::int64_t ms = 0;
    std::int64_t next[kCarCount] = {};
};

void print(const char* what, const TickFigures& f) {
    std::printf("%-34s median %7.2f us   p99 %7.2f us   max %8.2f us   (%d passings)\n", what,
                f.medianUs, f.p99Us, f.maxUs, f.passings);
}

int measure() {
    Run run;
    if (!run.started) {
        std::fprintf(stderr, "live_load: the run did not start\n");
        return 1;
    }
    const long rssOffBefore = residentKiB();
    const TickFigures off = run.tickFor(kTicks);
    const long rssOffAfter = residentKiB();

    LiveServer server(run.t.program.live, nullptr);
    if (!server.start(0, "127.0.0.1")) {
        std::fprintf(stderr, "live_load: no port for the server\n");
        return 1;
    }
    run.tickFor(10); // the first snapshot
    StreamClients clients(server.port(), kClients);
    const auto deadline = Clock::now() + 20s;
    while (!clients.allStreaming() && Clock::now() < deadline)
        run.tickFor(10);
    if (!clients.allStreaming()) {
        std::fprintf(stderr, "live_load: %d clients did not all get their first event\n", kClients);
        return 1;
    }
    const long rssBefore = residentKiB();
    long rssQuarter = 0, rssHalf = 0;
    const TickFigures on = run.tickFor(kTicks, [&](int i) {
        if (i == kTicks / 4)
            rssQuarter = residentKiB();
        if (i == kTicks / 2)
            rssHalf = residentKiB();
    });
    const long rssAfter = residentKiB();
    std::this_thread::sleep_for(1s); // the last updates on their way
    const std::uint64_t updates = server.updates();
    clients.stop();
    const StreamClients::Figures c = clients.figures();
    server.stop();

    std::printf("live results under load: %d clients on loopback, 20 cars, %d ticks of 10 ms\n",
                kClients, kTicks);
    print("tick, server off:", off);
    print("tick, server on, 200 clients:", on);
    std::printf("median tick ratio on/off: %.2f\n", on.medianUs / off.medianUs);
    std::printf("updates published: %llu; events per client: fewest %llu, most %llu; "
                "event numbers skipped over all clients: %llu; last event of the client "
                "furthest behind: %llu\n",
                (unsigned long long)updates, (unsigned long long)c.fewestEvents,
                (unsigned long long)c.mostEvents, (unsigned long long)c.gaps,
                (unsigned long long)c.lowestLast);
    std::printf("resident memory (KiB), server off: start %ld, end %ld\n", rssOffBefore,
                rssOffAfter);
    std::printf("resident memory (KiB) with the clients on: start %ld, 1/4 %ld, 1/2 %ld, "
                "end %ld\n",
                rssBefore, rssQuarter, rssHalf, rssAfter);
    return c.gaps == 0 && c.lowestLast == updates ? 0 : 1;
}

} // namespace
} // namespace racedesk::bench

int main() {
    return racedesk::bench::measure();
}
