#include "gui/live_results_wiring.h"

#include "gui/live_results.h"
#include "gui/live_results_dialog.h"
#include "gui/main_window.h"

namespace racedesk {

void wireLiveResults(MainWindow& window, Program& program) {
    auto* live = new LiveResults(program, &window);
    live->setObjectName(QStringLiteral("liveResults"));
    window.setMenuCommand(kCmdLiveResults,
                          [live, &window] { runLiveResultsDialog(*live, &window); });
}

} // namespace racedesk
