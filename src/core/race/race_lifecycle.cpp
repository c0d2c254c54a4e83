#include "core/race/race_lifecycle.h"

#include "core/app/program.h"
#include "core/common/cp1252.h"
#include "core/common/text_file.h"
#include "core/common/texts.h"
#include "core/race/heat_storage.h"
#include "core/race/track_section.h"
#include "core/race/working_race_file.h"
#include "core/race/write_journal.h"

#include <cstdio>

namespace racedesk {
namespace {

void showFileError(Program& p, Text format, const std::string& file) {
    char text[1024];
    std::snprintf(text, sizeof text, tx(format), utf8ToCp1252(file).c_str());
    p.showError(text);
}

bool copyWorkingFileTo(Program& p, const std::string& target) {
    std::string contents;
    if (readWholeFile(p.path(kWorkingRaceFile), contents) && replaceWholeFile(target, contents))
        return true;
    showFileError(p, Text::ErrRaceNotSaved, target);
    return false;
}

void showTitled(Program& p) {
    char title[1200];
    std::snprintf(title, sizeof title, tx(Text::WindowTitleFile),
                  utf8ToCp1252(p.userRaceFile).c_str());
    p.io.screen.setRaceTitle(title, true);
}

// The save dialog: the name given becomes the race's own file.
bool chooseUserRaceFile(Program& p) {
    const std::string chosen =
        p.io.dialogs.chooseSaveFile(tx(Text::RaceFileFilter), "*.race", p.workDir);
    if (chosen.empty())
        return false;
    p.userRaceFile = withRaceExtension(chosen);
    showTitled(p);
    return true;
}

// The board emptied and the race in memory back to a new race's: no name, no circuit, the
// shortest protection time.
void forgetRace(Program& p) {
    unloadRun(p);
    p.header = newRaceHeader();
    p.track = TrackSettings{};
    p.participants = ParticipantTable{};
    p.run.circuitIndex = kNoCircuit;
}

// What the program keeps in memory of the working race file, and the tree built from it.
TreeItems readLoadedRace(Program& p) {
    TreeSources sources;
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen())
        p.showError(tx(Text::ErrRaceFile));
    readRaceHeader(file, sources.header);
    readTrack(file, p.track);
    readTreeSources(file, sources);
    p.header = sources.header;
    p.run.circuitIndex = circuitIndexByName(p.circuits, p.track.circuit.view());
    return raceTree(sources);
}

} // namespace

std::string withRaceExtension(std::string name) {
    if (name.find(".race") == std::string::npos)
        name += ".race";
    return name;
}

bool saveRace(Program& p) {
    if (p.userRaceFile.empty())
        return false;
    commitHeat(p);
    return copyWorkingFileTo(p, p.userRaceFile);
}

bool saveRaceAs(Program& p) {
    if (!chooseUserRaceFile(p))
        return false;
    commitHeat(p);
    return copyWorkingFileTo(p, p.userRaceFile);
}

bool saveCurrentRace(Program& p) {
    commitHeat(p);
    if (p.userRaceFile.empty() && !chooseUserRaceFile(p))
        return false;
    return copyWorkingFileTo(p, p.userRaceFile);
}

bool newRace(Program& p, TreeItems& tree) {
    const Answer answer = p.io.dialogs.ask(tx(Text::NewRaceQuestion), tx(Text::CaptionAttention),
                                           Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel || (answer == Answer::Yes && !saveCurrentRace(p)))
        return false;
    p.io.screen.setRaceTitle(tx(Text::WindowTitle), false);
    p.userRaceFile.clear();
    forgetRace(p);
    if (!createWorkingRaceFile(p.path(kWorkingRaceFile)))
        p.showError(tx(Text::ErrRaceFile));
    TreeSources sources;
    sources.header = p.header;
    tree = raceTree(sources);
    return true;
}

bool reopenCrashCopy(Program& p, const std::string& userRaceFile, TreeItems& tree) {
    std::string race;
    if (!readWholeFile(p.path(kCrashCopyFile), race) ||
        !replaceWholeFile(p.path(kWorkingRaceFile), race))
        return false;
    p.userRaceFile = userRaceFile;
    if (userRaceFile.empty())
        p.io.screen.setRaceTitle(tx(Text::WindowTitle), false);
    else
        showTitled(p);
    forgetRace(p);
    tree = readLoadedRace(p);
    return true;
}

bool loadRace(Program& p, TreeItems& tree) {
    const std::string chosen =
        p.io.dialogs.chooseOpenFile(tx(Text::RaceFileFilter), "*.race", p.workDir);
    if (chosen.empty())
        return false;
    // Read first, so that a file that cannot be read leaves the current race untouched.
    std::string race;
    if (!readWholeFile(chosen, race)) {
        showFileError(p, Text::ErrRaceNotLoaded, chosen);
        return false;
    }
    const Answer answer = p.io.dialogs.ask(tx(Text::LoadSaveQuestion), tx(Text::CaptionAttention),
                                           Buttons::YesNo, Icon::Question);
    if (answer == Answer::Yes && !saveCurrentRace(p))
        return false;
    removeJournal(p.path(kWorkingRaceFile)); // belongs to the race being replaced
    if (!replaceWholeFile(p.path(kWorkingRaceFile), race)) {
        showFileError(p, Text::ErrRaceNotLoaded, chosen);
        return false;
    }
    p.userRaceFile = chosen;
    showTitled(p);
    forgetRace(p);
    tree = readLoadedRace(p);
    return true;
}

} // namespace racedesk
