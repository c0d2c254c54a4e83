#include "gui/classification_wiring.h"

#include "core/app/program.h"
#include "core/race/race_header.h"
#include "core/race/working_race_file.h"
#include "gui/main_window.h"
#include "gui/overall_classification_dialog.h"
#include "gui/round_classification_dialog.h"

namespace racedesk {

void wireClassifications(MainWindow& window, Program& program) {
    window.setTreeTarget(TreeTarget::RoundClassification,
                         [&window, &program](const TreeSelection& s) {
                             runRoundClassificationDialog(program, s.category, s.round, &window);
                         });
    // Confirming opens the category's finals: the window takes the category table as the
    // file now holds it.
    window.setTreeTarget(TreeTarget::OverallClassification,
                         [&window, &program](const TreeSelection& s) {
                             runOverallClassificationDialog(program, s.category, &window);
                             RaceHeader header;
                             if (readRaceHeader(program.path(kWorkingRaceFile), header))
                                 program.header = header;
                         });
}

} // namespace racedesk
