#include "gui/qualifying_wiring.h"

#include "core/qualifying/qualifying_calculator.h"
#include "core/race/tree_codes.h"
#include "core/race/tree_commands.h"
#include "gui/main_window.h"
#include "gui/qualifying_calculator_dialog.h"
#include "gui/qualifying_parameters_dialog.h"
#include "gui/race_tree_view.h"

#include <memory>

namespace racedesk {

namespace {

constexpr int kCmdPlanQualifying = 1011;

} // namespace

void wireQualifyingCommands(MainWindow& window, Program& program) {
    window.raceTree()->setCommand(kCmdQualifyingParameters, [&window, &program] {
        const int category = categoryOfCode(window.raceTree()->selectedCode());
        if (category >= 1)
            runQualifyingParametersDialog(program, category, &window);
    });
    auto inputs = std::make_shared<CalculatorInputs>();
    window.setMenuCommand(kCmdPlanQualifying,
                          [&window, inputs] { runQualifyingCalculatorDialog(*inputs, &window); });
}

} // namespace racedesk
