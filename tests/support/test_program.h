#pragma once
#include "core/app/program.h"
#include "support/fake_clock.h"
#include "support/recording_sound_player.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_serial_port.h"
#include "support/temp_folder.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace racedesk::test {

// A whole program on fakes, in a temporary working folder of its own.
struct TestProgram {
    TestProgram();

    TempFolder folder;
    FakeClock clock;
    ScriptedSerialPort serial{clock};
    RecordingSoundPlayer sound;
    ScriptedDialogs dialogs;
    RecordingScreen screen;
    Program program;

    // A heat loaded with these drivers in slots 1, 2 ... (the others empty); transponders
    // 001001, 001002 ... unless given. The run is ready.
    void loadHeat(const std::vector<std::string>& drivers,
                  const std::vector<std::string>& transponders = {});
    // Advances the clock by 'ms' in ticks of 10 ms, running the tick each time.
    void runTicks(std::int64_t ms);
    // A link recognised as KT1 or KT2 on COM1 (the port open).
    void connectKt1();
    void connectKt2();
    // Presses start and runs the countdown until the run is running (KT2 clock resets are
    // answered). Gives false if it never started within the countdown and two seconds more.
    bool startAndRun();
};

// A core string (Windows-1252) in UTF-8, to compare with the texts of the tests.
std::string utf8(std::string_view cp1252);

std::vector<std::uint8_t> kt2Passing(int transponder, std::int64_t ms);
std::vector<std::uint8_t> kt1Passing(int transponder);
extern const std::vector<std::uint8_t> kKt2IdentifyReply;
extern const std::vector<std::uint8_t> kKt2ClockResetReply;

} // namespace racedesk::test
