#pragma once
#include "core/app/program.h"
#include "gui/main_window.h"
#include "gui/screen_relay.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_sound_player.h"
#include "platform/system_clock.h"

#include <QString>

#include <memory>

namespace racedesk {

// Where the program finds what it ships, and where it works.
struct AppPaths {
    QString share;   // sounds, images, icons, help and default files of the installation
    QString working; // the user's working folder
};

// The installation's share folder found from the program's own folder, and the working folder under
// $XDG_DATA_HOME (by default ~/.local/share) named "Tarvolin Racedesk".
AppPaths defaultAppPaths();

// The whole program on the real platform: made in the order of the start-up.
class Application {
public:
    // 'messages', when given, receives the program's messages instead of message boxes.
    explicit Application(const AppPaths& paths, Dialogs* messages = nullptr);

    Program& program() { return program_; }
    MainWindow& window() { return *window_; }
    // Shows the window maximised, recognises the decoder and starts the tick.
    void start();

private:
    AppPaths paths_;
    SystemClock clock_;
    QtSerialPort serial_;
    QtSoundPlayer sound_;
    QtDialogs dialogs_;
    ScreenRelay screen_;
    Program program_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace racedesk
