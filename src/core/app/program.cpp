#include "core/app/program.h"

#include "core/common/text_file.h"
#include "core/common/texts.h"
#include "core/timing/run_engine.h"

#include <utility>

namespace racedesk {

Program::Program(Platform platform, std::string workingFolder)
    : io(platform), workDir(std::move(workingFolder)) {
    loadTexts();
    emptySlots(slots);
    setRunDefaults(run);
    header = newRaceHeader();
    // A valid base from the outset: passings decoded before any run (the driver details
    // scan) are timed from the program's start, not from the counter's origin.
    link.timeBase.counter = io.clock.counter();
    link.timeBase.frequency = io.clock.counterFrequency();
}

std::string Program::path(std::string_view name) const {
    return joinPath(workDir, name);
}

void Program::showError(const char* text) {
    io.dialogs.message(text, tx(Text::CaptionError), Icon::Error);
}

} // namespace racedesk
