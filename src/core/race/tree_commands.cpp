#include "core/race/tree_commands.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/race/tree_codes.h"
#include "core/race/working_race_file.h"

namespace racedesk {
namespace {

ContextMenu menuOf(std::initializer_list<int> commands) {
    ContextMenu menu;
    for (const int command : commands)
        menu.commands[std::size_t(menu.count++)] = command;
    return menu;
}

} // namespace

ContextMenu contextMenuFor(const RaceHeader& header, int selectedCode) {
    const int normalised = normalisedCode(selectedCode);
    if (normalised == kTrackItem)
        return menuOf({kCmdTrack});
    const int category = categoryOfCode(selectedCode);
    if (category < 1 || category > header.categoryCount)
        return {};
    const CategoryEntry& entry = header.categories[std::size_t(category - 1)];
    const bool hasParticipants = entry.participants >= 1;
    const bool finalsOpen = entry.finalsState >= 1;
    switch (normalised) {
    case kCategoryItem:
        return menuOf({kCmdNewCategory, kCmdRenameCategory});
    case kParticipantsItem:
        return menuOf({kCmdParticipantsList});
    case kQualifyingParametersItem:
        return hasParticipants ? menuOf({kCmdQualifyingParameters}) : ContextMenu{};
    case kHeatCompositionItem:
        return hasParticipants ? menuOf({kCmdHeatComposition}) : ContextMenu{};
    case kFinalsParametersItem:
        return finalsOpen ? menuOf({kCmdFinalsParameters}) : ContextMenu{};
    case kFinalsCompositionItem:
        return finalsOpen ? menuOf({kCmdFinalsComposition}) : ContextMenu{};
    case kClosureReportItem:
        return finalsOpen ? menuOf({kCmdShowClosureReport}) : ContextMenu{};
    default:
        return {};
    }
}

bool renameCategory(RaceHeader& header, int category, std::string_view name) {
    if (name.empty() || category < 1 || category > header.categoryCount)
        return false;
    header.categories[std::size_t(category - 1)].name = name;
    return true;
}

TreeItems addCategory(Program& p) {
    if (p.header.categoryCount >= kMaxCategories)
        return {};
    const int category = ++p.header.categoryCount;
    CategoryEntry& entry = p.header.categories[std::size_t(category - 1)];
    entry = CategoryEntry{};
    entry.name = defaultCategoryName(category);
    if (writeRaceHeader(p.path(kWorkingRaceFile), p.header) != WriteStatus::Written)
        p.showError(tx(Text::ErrRaceFile));
    return categoryBranch(category, entry, ParticipantNames{}, HeatFlags{});
}

} // namespace racedesk
