#pragma once
#include "gui/main_window.h"
#include "gui/screen_relay.h"

#include <memory>

namespace racedesk::test {

// The main window as the program opens it on the decoder simulator's port: the interface
// settings name that port and interface type, start-up runs, the window is shown at
// 1366 x 768, the decoder is recognised and the tick starts. Null when the settings could not
// be written.
std::unique_ptr<MainWindow> openWindowOnSimulator(Program& program, ScreenRelay& screen,
                                                  const char* port, const char* type);

} // namespace racedesk::test
