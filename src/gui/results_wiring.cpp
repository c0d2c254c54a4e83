#include "gui/results_wiring.h"

#include "core/app/program.h"
#include "core/race/driver_hand_over.h"
#include "core/race/results_editing.h"
#include "core/reports/run_results_printout.h"
#include "gui/board_widget.h"
#include "gui/detailed_results_dialog.h"
#include "gui/driver_analysis_dialog.h"
#include "gui/export_button.h"
#include "gui/main_window.h"
#include "gui/results_edit_fields.h"
#include "platform/qt_printing.h"

#include <QPushButton>
#include <QTreeWidget>

namespace racedesk {
namespace {

// The fields over the board and the commands that open, close and use them.
class ResultsWiring : public QObject {
public:
    ResultsWiring(MainWindow& window, Program& program, QString folder)
        : QObject(&window), window_(window), program_(program), folder_(std::move(folder)),
          fields_(new ResultsEditFields(program, *window.board())) {}

    void connectAll() {
        BoardWidget* board = window_.board();
        window_.setMenuCommand(6102, [this] { beginEditing(); });
        window_.setMenuCommand(6103, [this] { runDetailedResultsDialog(program_, &window_); });
        connect(board, &BoardWidget::pressed, this, [this] { fields_->close(); });
        connect(board, &BoardWidget::cellPressed, this, &ResultsWiring::cellPressed);
        const MainControls& c = window_.controls();
        for (QPushButton* runButton : {c.start, c.stop, c.clear})
            connect(runButton, &QPushButton::clicked, this, &ResultsWiring::leaveEditing);
        connect(c.tree, &QTreeWidget::itemSelectionChanged, this, &ResultsWiring::leaveEditing);
        connect(c.print, &QPushButton::clicked, this, &ResultsWiring::print);
        connect(c.exportTable, &QPushButton::clicked, this, &ResultsWiring::exportResults);
    }

private:
    void beginEditing() {
        // Whatever stands over the board (a transponder list, a row's fields) goes first.
        Q_EMIT window_.board()->pressed();
        beginResultsEditing(program_);
    }

    void leaveEditing() {
        fields_->close();
        endResultsEditing(program_);
    }

    void cellPressed(QPoint at, Qt::KeyboardModifiers modifiers) {
        const BoardLayout& layout = window_.board()->layout();
        const int visibleRow = rowAt(layout, at.y());
        if (visibleRow < 0 || columnAt(layout, at.x()) < 0)
            return;
        if (modifiers.testFlag(Qt::ControlModifier)) {
            if (handOverDriverResult(program_, program_.board.firstVisibleRow + visibleRow))
                runDriverAnalysis(program_, &window_);
            return;
        }
        if (program_.loaded.editingResults)
            fields_->open(visibleRow);
    }

    // The printout and the export show the board as printing orders it, edits included.
    PrintDocument printedResults() {
        fields_->close();
        reorderBoardForPrint(program_);
        window_.board()->update();
        return runResultsPrintout(program_.loaded, program_.run.header.view(), program_.rows,
                                  program_.entryCount);
    }

    void print() {
        const PrintDocument document = printedResults();
        QtPrinter printer(&window_, folder_, program_.io.clock);
        printer.print(document);
    }

    void exportResults() { exportTable(&window_, program_, printedResults()); }

    MainWindow& window_;
    Program& program_;
    QString folder_;
    ResultsEditFields* fields_;
};

} // namespace

void wireResultsCommands(MainWindow& window, Program& program, const QString& workingFolder) {
    (new ResultsWiring(window, program, workingFolder))->connectAll();
}

} // namespace racedesk
