#include "gui/participants_wiring.h"

#include "core/app/program.h"
#include "core/race/driver_details_rules.h"
#include "core/race/participants_dialog_rules.h"
#include "core/race/track_dialog_rules.h"
#include "core/race/tree_codes.h"
#include "core/race/tree_commands.h"
#include "gui/driver_details_dialog.h"
#include "gui/main_window.h"
#include "gui/participants_dialog.h"
#include "gui/race_tree_view.h"
#include "gui/track_dialog.h"

#include <QTreeWidgetItem>

namespace racedesk {
namespace {

void showTrack(MainWindow& window, Program& program) {
    runTrackDialog(program, &window);
    takeTrackBack(program);
}

void showParticipants(MainWindow& window, Program& program) {
    RaceTreeView& tree = *window.raceTree();
    const int code = tree.selectedCode();
    markSelectedItem(program, code);
    runParticipantsDialog(program, &window);
    const int category = categoryOfCode(code);
    if (!afterParticipantsDialog(program, category))
        return;
    const int participants = itemCode(category, kParticipantsItem);
    tree.rebuildBranch(participants);
    tree.rebuildBranch(itemCode(category, kQualifyingItem));
    if (QTreeWidgetItem* item = tree.itemOf(participants))
        item->setExpanded(true);
}

} // namespace

void wireParticipants(MainWindow& window, Program& program) {
    window.raceTree()->setCommand(kCmdTrack, [&window, &program] { showTrack(window, program); });
    window.raceTree()->setCommand(kCmdParticipantsList,
                                  [&window, &program] { showParticipants(window, program); });
    window.setTreeTarget(TreeTarget::DriverDetails,
                         [&window, &program](const TreeSelection& selection) {
                             runDriverDetailsDialog(program, &window);
                             afterDriverDetails(program, selection.category);
                         });
}

} // namespace racedesk
