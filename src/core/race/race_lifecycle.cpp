#include "core/race/race_lifecycle.h"

#include "core/app/program.h"
#include "core/common/cp1252.h"
#include "core/common/text_file.h"
#include "core/common/texts.h"
#include "core/race/working_race_file.h"

#include <cstdio>

namespace racedesk {
namespace {

bool copyWorkingFileTo(Program& p, const std::string& target) {
    std::string contents;
    if (readWholeFile(p.path(kWorkingRaceFile), contents) && replaceWholeFile(target, contents))
        return true;
    char text[1024];
    std::snprintf(text, sizeof text, tx(Text::ErrRaceNotSaved), utf8ToCp1252(target).c_str());
    p.showError(text);
    return false;
}

} // namespace

std::string withRaceExtension(std::string name) {
    if (name.find(".race") == std::string::npos)
        name += ".race";
    return name;
}

bool saveRace(Program& p) {
    return !p.userRaceFile.empty() && copyWorkingFileTo(p, p.userRaceFile);
}

bool saveRaceAs(Program& p) {
    const std::string chosen =
        p.io.dialogs.chooseSaveFile(tx(Text::RaceFileFilter), "*.race", p.workDir);
    if (chosen.empty())
        return false;
    p.userRaceFile = withRaceExtension(chosen);
    char title[1200];
    std::snprintf(title, sizeof title, tx(Text::WindowTitleFile),
                  utf8ToCp1252(p.userRaceFile).c_str());
    p.io.screen.setRaceTitle(title, true);
    return copyWorkingFileTo(p, p.userRaceFile);
}

bool saveCurrentRace(Program& p) {
    return p.userRaceFile.empty() ? saveRaceAs(p) : saveRace(p);
}

} // namespace racedesk
