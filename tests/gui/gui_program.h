#pragma once
#include "core/app/program.h"
#include "gui/main_window.h"
#include "gui/screen_relay.h"
#include "platform/qt_dialogs.h"
#include "support/fake_clock.h"
#include "support/recording_sound_player.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_serial_port.h"
#include "support/temp_folder.h"

#include <memory>
#include <string>
#include <vector>

namespace racedesk::test {

// Scripted message boxes answer at once; real ones are the program's own, shown on screen.
enum class MessageBoxes { Scripted, Real };

// The main window on fakes (clock, serial port, sound, message boxes), in a working folder
// of its own filled with the shipped defaults. The tick is driven by the test.
struct GuiProgram {
    explicit GuiProgram(int width = 1366, int height = 768,
                        MessageBoxes boxes = MessageBoxes::Scripted);

    TempFolder folder;
    FakeClock clock;
    ScriptedSerialPort serial{clock};
    RecordingSoundPlayer sound;
    ScriptedDialogs dialogs;
    QtDialogs realBoxes;
    ScreenRelay screen;
    Program program;
    std::unique_ptr<MainWindow> window;

    // Drivers in slots 1, 2 ..., transponders 001001, 001002 ...; the run is ready.
    void loadHeat(const std::vector<std::string>& drivers);
    // Advances the fake clock in steps of 10 ms, ticking the window each time.
    void tickFor(std::int64_t ms);
    QWidget* control(int id) const;
};

} // namespace racedesk::test
