#include "gui/composition_wiring.h"

#include "core/app/program.h"
#include "core/race/tree_codes.h"
#include "core/race/tree_commands.h"
#include "gui/heat_composition_dialog.h"
#include "gui/main_window.h"
#include "gui/race_tree_view.h"
#include "gui/starting_grids_dialog.h"

namespace racedesk {
namespace {

void runComposition(MainWindow& window, Program& p) {
    RaceTreeView& tree = *window.raceTree();
    const int category = categoryOfCode(tree.selectedCode());
    if (category < 1)
        return;
    const CompositionDialog d = runHeatCompositionDialog(p, &window, category);
    if (startingGridsFollow(p, d))
        runStartingGridsDialog(p, &window, category);
    if (qualifyingBranchRebuilt(d))
        tree.rebuildBranch(itemCode(category, kQualifyingItem));
    releaseBoardHeat(p, d);
}

} // namespace

void wireCompositionCommands(MainWindow& window, Program& program) {
    window.raceTree()->setCommand(kCmdHeatComposition,
                                  [&window, &program] { runComposition(window, program); });
}

} // namespace racedesk
