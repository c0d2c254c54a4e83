#pragma once
#include "core/race/tree_commands.h"

#include <string_view>

namespace racedesk {

struct Program;

// The tree's notifications, in the order the window sends them. Each one first reads the race
// header into the program and rewrites it with `selectedCode`, the item selected now, so the
// header always names the item the director works on.

// Gives the normalised code of `selectedCode`. When the working race file cannot be opened
// the error is shown and the category table in memory stays as it was.
int beginTreeNotification(Program& p, int selectedCode);

// Right click: the menu of the selected item.
ContextMenu treeRightClick(Program& p, int selectedCode);

// Label editing: true when the selected item is a category, whose name the edit may change.
bool treeBeginLabelEdit(Program& p, int selectedCode);
// The category takes the edited name (cut to what the header holds) and the header is
// rewritten. Edits of other items and empty names are discarded: false, nothing changes.
bool treeEndLabelEdit(Program& p, int selectedCode, std::string_view text);

// Before the selection leaves `selectedCode`: the run on the board is committed.
void treeSelectionChanging(Program& p, int selectedCode);

// What the window opens for the newly selected item. Qualifying heats and finals are loaded
// here; the other targets are dialogs of the window's own.
enum class TreeTarget {
    Nothing,
    QualifyingHeat,      // loaded onto the board
    Final,               // loaded; finalIndex: 0 the Finale, 2·L − 1 the 1/2^L A, 2·L its B
    DriverDetails,       // place: the participant's place, 0 to 199
    RoundClassification, // round
    OverallClassification,
};

struct TreeSelection {
    TreeTarget target = TreeTarget::Nothing;
    int category = 0;
    int round = 0;
    int heat = 0;
    int place = 0;
    int finalIndex = 0;
};

TreeSelection treeSelectionChanged(Program& p, int selectedCode);

// `itemCode` is expanding or collapsing (the tree reports both alike). For a category: the
// run on the board is committed and unloaded; true, and the window then collapses every other
// category, so that one category is open at a time.
bool treeItemExpanding(Program& p, int selectedCode, int itemCode);

} // namespace racedesk
