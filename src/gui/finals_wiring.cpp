#include "gui/finals_wiring.h"

#include "core/finals/finals_composition_form.h"
#include "core/race/tree_codes.h"
#include "core/race/tree_commands.h"
#include "gui/closure_report_dialog.h"
#include "gui/finals_composition_dialog.h"
#include "gui/finals_parameters_dialog.h"
#include "gui/main_window.h"
#include "gui/race_tree_view.h"

#include <functional>
#include <memory>

namespace racedesk {
namespace {

constexpr int kCmdPlanFinals = 1012;

// A command on the category of the item selected in the tree.
void setCategoryCommand(MainWindow& window, int command, std::function<void(int)> run) {
    window.raceTree()->setCommand(command, [&window, run = std::move(run)] {
        const int category = categoryOfCode(window.raceTree()->selectedCode());
        if (category >= 1)
            run(category);
    });
}

} // namespace

void wireFinalsCommands(MainWindow& window, Program& program) {
    setCategoryCommand(window, kCmdFinalsParameters, [&window, &program](int category) {
        runFinalsParametersDialog(program, category, &window);
    });
    setCategoryCommand(window, kCmdFinalsComposition, [&window, &program](int category) {
        if (runFinalsCompositionDialog(program, category, &window))
            window.raceTree()->rebuildBranch(itemCode(category, kFinalsItem));
    });
    setCategoryCommand(window, kCmdShowClosureReport, [&window, &program](int category) {
        runClosureReportDialog(program, category, &window);
    });
    auto inputs = std::make_shared<FinalsCalculatorInputs>();
    window.setMenuCommand(kCmdPlanFinals,
                          [&window, inputs] { runFinalsCalculatorDialog(*inputs, &window); });
}

} // namespace racedesk
