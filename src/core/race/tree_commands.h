#pragma once
#include "core/race/race_header.h"
#include "core/race/race_tree.h"

#include <array>
#include <string_view>

namespace racedesk {

struct Program;

// The commands of the tree's context menus.
inline constexpr int kCmdNewCategory = 1051;
inline constexpr int kCmdRenameCategory = 1052;
inline constexpr int kCmdTrack = 1053;
inline constexpr int kCmdParticipantsList = 1054;
inline constexpr int kCmdQualifyingParameters = 1055;
inline constexpr int kCmdHeatComposition = 1056;
inline constexpr int kCmdFinalsParameters = 1057;
inline constexpr int kCmdFinalsComposition = 1058;
inline constexpr int kCmdShowClosureReport = 1059;

// The edit field of a category's name takes one character less than the name can hold.
inline constexpr int kCategoryNameEditLength = 53;

struct ContextMenu {
    std::array<int, 2> commands{};
    int count = 0; // no menu at all when 0
};

// The menu of the item `selectedCode`. The qualifying entries wait for the category's first
// participant, the finals entries and the closure report for its confirmed overall
// qualifying classification.
ContextMenu contextMenuFor(const RaceHeader& header, int selectedCode);

// The category's new name, cut to what the header holds. An empty name is refused: the old
// one stays. False when refused or when there is no such category.
bool renameCategory(RaceHeader& header, int category, std::string_view name);

// New category (1051): "CATEGORIE %d" with every counter 0 at the end of the table, the race
// header rewritten; gives its branch for the tree. With 9 categories it does nothing and gives
// an empty branch.
TreeItems addCategory(Program& p);

} // namespace racedesk
