#include "serial_rig.h"

#include "core/app/tick.h"
#include "core/timing/link_supervision.h"
#include "core/timing/run_engine.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace racedesk::test {
namespace {

using SteadyClock = std::chrono::steady_clock;
constexpr auto kTickPeriod = std::chrono::milliseconds(10);

} // namespace

SerialRig::SerialRig() : program(Platform{clock, serial, sound, dialogs, screen}, folder.path()) {}

// kt-sim goes first, so the port's reader sees its device vanish before the port closes.
SerialRig::~SerialRig() {
    sim.reset();
    serial.close();
}

bool SerialRig::startSim(const std::vector<std::string>& options) {
    std::vector<std::string> all = {"--port", kPort};
    all.insert(all.end(), options.begin(), options.end());
    sim = std::make_unique<ktsim::SimProcess>(KT_SIM_PATH, folder.path(), all);
    return sim->started() && sim->waitFor({"ready"}, 1, 5000);
}

void SerialRig::startLink() {
    InterfaceSettings settings;
    settings.portName = kPort;
    settings.connected = 0;
    settings.type = kTypeKt1;
    writeInterfaceSettings(program.path(kInterfaceSettingsFile), settings);
    startDecoderLink(program);
}

bool SerialRig::tickUntil(std::int64_t ms, const std::function<bool()>& done) {
    const auto end = SteadyClock::now() + std::chrono::milliseconds(ms);
    auto next = SteadyClock::now();
    while (!done() && SteadyClock::now() < end) {
        tick(program);
        next += kTickPeriod;
        // A tick that came late does not make the next ones come in a burst.
        if (SteadyClock::now() > next + kTickPeriod)
            next = SteadyClock::now();
        std::this_thread::sleep_until(next);
    }
    return done();
}

void SerialRig::tickFor(std::int64_t ms) {
    tickUntil(ms, [] { return false; });
}

bool SerialRig::startRun(const std::vector<int>& transponders) {
    emptySlots(program.slots);
    for (std::size_t i = 0; i < transponders.size(); ++i) {
        CarSlot& slot = program.slots[i];
        char text[32];
        std::snprintf(text, sizeof text, "Pilote %d", int(i + 1));
        slot.name = text;
        std::snprintf(text, sizeof text, "%06d", transponders[i]);
        slot.transponder = text;
    }
    program.run.countdownSeconds = 0;
    program.run.minLapSeconds = 0;
    program.run.heatLoaded = true;
    program.run.holdsRun = true;
    prepareRun(program);
    racedesk::startRun(program);
    return tickUntil(2000, [this] { return program.run.running; });
}

InterfaceSettings SerialRig::savedSettings() const {
    InterfaceSettings settings;
    readInterfaceSettings(program.path(kInterfaceSettingsFile), settings);
    return settings;
}

void holdFor(std::int64_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace racedesk::test
