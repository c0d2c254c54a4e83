#include "gui_program.h"

#include "core/app/working_folder.h"
#include "core/common/cp1252.h"
#include "core/common/texts.h"
#include "core/timing/run_engine.h"
#include "gui/board_widget.h"

#include <QApplication>

#include <cstdio>
#include <string_view>

namespace racedesk::test {

GuiProgram::GuiProgram(int width, int height, MessageBoxes boxes)
    : program(Platform{clock, serial, sound,
                       boxes == MessageBoxes::Real ? static_cast<Dialogs&>(realBoxes) : dialogs,
                       screen},
              folder.path()) {
    const SpokenLanguage language = std::string_view(textUtf8(Text::LanguageCode)) == "en"
                                        ? SpokenLanguage::English
                                        : SpokenLanguage::French;
    installShippedDefaults(RACEDESK_SHARE_DIR, folder.path(), language);
    program.sounds = defaultSoundSettings(language);
    program.display = defaultDisplaySettings();
    program.link.interfaceType = "Tarvolin";
    window = std::make_unique<MainWindow>(
        program, AppFolders{QString::fromStdString(folder.path()), RACEDESK_SHARE_DIR "/icons"});
    screen.setTarget(window.get());
    realBoxes.setParent(window.get());
    window->resize(width, height);
    window->show();
    QApplication::processEvents();
}

void GuiProgram::loadHeat(const std::vector<std::string>& drivers) {
    emptySlots(program.slots);
    for (std::size_t i = 0; i < drivers.size() && i < program.slots.size(); ++i) {
        char transponder[8];
        std::snprintf(transponder, sizeof transponder, "%06d", int(1001 + i));
        program.slots[i].name = utf8ToCp1252(drivers[i]);
        program.slots[i].transponder = transponder;
    }
    program.run.heatLoaded = program.run.holdsRun = true;
    prepareRun(program);
    window->board()->resetScroll();
}

void GuiProgram::tickFor(std::int64_t ms) {
    for (std::int64_t t = 0; t < ms; t += 10) {
        clock.advanceMs(10);
        window->tickOnce();
    }
    QApplication::processEvents();
}

QWidget* GuiProgram::control(int id) const {
    return window->findChild<QWidget*>(QString::number(id));
}

} // namespace racedesk::test
