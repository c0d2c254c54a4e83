#pragma once
#include "core/app/program.h"
#include "core/timing/interface_settings.h"
#include "kt-sim/control/sim_process.h"
#include "platform/qt_serial_port.h"
#include "platform/system_clock.h"
#include "support/recording_sound_player.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace racedesk::test {

// The program as it runs for real on its serial port and clock, with kt-sim as the decoder,
// in a working folder of its own. Sound, dialogs and screen are the usual fakes.
struct SerialRig {
    // A port whose fallback device (/dev/ttyS48) no machine has, so a test never writes to a
    // real serial port when kt-sim's link is absent.
    static constexpr const char* kPort = "COM49";

    SerialRig();
    ~SerialRig();

    TempFolder folder;
    SystemClock clock;
    QtSerialPort serial{folder.path()};
    RecordingSoundPlayer sound;
    ScriptedDialogs dialogs;
    RecordingScreen screen;
    Program program;
    std::unique_ptr<ktsim::SimProcess> sim;

    // Starts kt-sim on kPort with these options and waits for its terminal.
    bool startSim(const std::vector<std::string>& options);
    // Start-up as the program does it: the settings file names the port, then the handshake.
    void startLink();
    // The tick every 10 ms, as the program's timer runs it, for at most 'ms' or until 'done'
    // gives true. Gives done().
    bool tickUntil(std::int64_t ms, const std::function<bool()>& done);
    void tickFor(std::int64_t ms);
    // A heat of these transponders ("%06d"), started with no countdown, no minimum lap time.
    // Gives true once the run is running.
    bool startRun(const std::vector<int>& transponders);
    InterfaceSettings savedSettings() const;
};

// Waits the given time without ticking, as when the program is held up.
void holdFor(std::int64_t ms);

} // namespace racedesk::test
