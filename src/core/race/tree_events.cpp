#include "core/race/tree_events.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/finals/final_storage.h"
#include "core/race/heat_storage.h"
#include "core/race/tree_codes.h"
#include "core/race/working_race_file.h"

namespace racedesk {

int beginTreeNotification(Program& p, int selectedCode) {
    SectionFile file(p.path(kWorkingRaceFile));
    RaceHeader header;
    if (readRaceHeader(file, header)) {
        p.header = header;
        p.header.selectedItem = selectedCode;
        if (writeRaceHeader(file, p.header) == WriteStatus::FileError)
            p.showError(tx(Text::ErrRaceFile));
    } else {
        p.header.selectedItem = selectedCode;
        p.showError(tx(Text::ErrRaceFile));
    }
    return normalisedCode(selectedCode);
}

ContextMenu treeRightClick(Program& p, int selectedCode) {
    beginTreeNotification(p, selectedCode);
    return contextMenuFor(p.header, selectedCode);
}

bool treeBeginLabelEdit(Program& p, int selectedCode) {
    return beginTreeNotification(p, selectedCode) == kCategoryItem;
}

bool treeEndLabelEdit(Program& p, int selectedCode, std::string_view text) {
    if (beginTreeNotification(p, selectedCode) != kCategoryItem ||
        !renameCategory(p.header, categoryOfCode(selectedCode), text))
        return false;
    if (writeRaceHeader(p.path(kWorkingRaceFile), p.header) == WriteStatus::FileError)
        p.showError(tx(Text::ErrRaceFile));
    return true;
}

void treeSelectionChanging(Program& p, int selectedCode) {
    beginTreeNotification(p, selectedCode);
    commitHeat(p);
}

TreeSelection treeSelectionChanged(Program& p, int selectedCode) {
    const int normalised = beginTreeNotification(p, selectedCode);
    TreeSelection s;
    s.category = categoryOfCode(selectedCode);
    int round = 0;
    int heat = 0;
    int place = 0;
    int finalIndex = 0;
    if (isQualifyingHeat(normalised, round, heat)) {
        loadQualifyingHeat(p, s.category, round, heat);
        s.target = TreeTarget::QualifyingHeat;
        s.round = round;
        s.heat = heat;
    } else if (isParticipant(normalised, place)) {
        s.target = TreeTarget::DriverDetails;
        s.place = place;
    } else if (isFinal(normalised, finalIndex)) {
        loadFinal(p, s.category, finalIndex);
        s.target = TreeTarget::Final;
        s.finalIndex = finalIndex;
    } else if (isRoundClassification(normalised, round)) {
        s.target = TreeTarget::RoundClassification;
        s.round = round;
    } else if (normalised == kOverallClassificationItem) {
        s.target = TreeTarget::OverallClassification;
    }
    return s;
}

bool treeItemExpanding(Program& p, int selectedCode, int itemCode) {
    beginTreeNotification(p, selectedCode);
    if (normalisedCode(itemCode) != kCategoryItem)
        return false;
    commitHeat(p);
    unloadRun(p);
    return true;
}

} // namespace racedesk
