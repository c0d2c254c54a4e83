#include "window_on_simulator.h"

#include "core/app/program.h"
#include "core/app/startup.h"
#include "core/timing/interface_settings.h"
#include "core/timing/link_supervision.h"

namespace racedesk::test {

std::unique_ptr<MainWindow> openWindowOnSimulator(Program& program, ScreenRelay& screen,
                                                  const char* port, const char* type) {
    InterfaceSettings settings;
    settings.portName = port;
    settings.type = type;
    if (!writeInterfaceSettings(program.path(kInterfaceSettingsFile), settings))
        return nullptr;
    startUp(program);
    auto window = std::make_unique<MainWindow>(
        program, AppFolders{QString::fromStdString(program.workDir), RACEDESK_SHARE_DIR "/icons"});
    screen.setTarget(window.get());
    window->resize(1366, 768);
    window->show();
    startDecoderLink(program);
    window->startTick();
    return window;
}

} // namespace racedesk::test
