#include "gui/closure_report_dialog.h"

#include "core/app/program.h"
#include "core/finals/closure_report_view.h"
#include "gui/classification_look.h"
#include "gui/export_button.h"
#include "gui/finals_look.h"
#include "gui/painted_panel.h"

#include <QDialog>
#include <QPushButton>

#include <memory>

namespace racedesk {
namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 620;

class ClosureReportDialog {
public:
    ClosureReportDialog(Program& program, std::unique_ptr<ClosureReport> report, QWidget* parent)
        : p_(program), report_(std::move(report)), dialog_(parent) {
        dialog_.setWindowTitle(uiText(FinalsText::ReportCaption));
        dialog_.setFixedSize(kWidth, kHeight);
        dialog_.setFont(dialogFont());
        panel_ = new PaintedPanel(dialog_, folder(), [this](Canvas& canvas) {
            paintClosureReport(canvas, *report_, firstRow_, {0, 0, kWidth, kHeight});
        });
        auto* print = addPrintButton(dialog_, 5101, folder(), {kWidth - 70, 4, 48, 48});
        QObject::connect(print, &QPushButton::clicked, [this] {
            printClassification(dialog_, folder(), p_.io.clock, closureReportPrintout(*report_));
        });
        addExportButton(dialog_, {kWidth - 180, 12, 104, 32}, p_,
                        [this] { return closureReportPrintout(*report_); });
        addTableScrollBar(dialog_, 5102, closureScreenTable(), int(report_->rows.size()),
                          [this](int firstRow) {
                              firstRow_ = firstRow;
                              panel_->update();
                          });
        auto* ok = addButton(dialog_, 2, Text::ButtonOk, {kWidth - 130, kHeight - 45, 110, 32});
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialog_, &QDialog::accept);
    }

    void run() { dialog_.exec(); }

private:
    QString folder() const { return QString::fromStdString(p_.workDir); }

    Program& p_;
    std::unique_ptr<ClosureReport> report_;
    QDialog dialog_;
    PaintedPanel* panel_ = nullptr;
    int firstRow_ = 0;
};

} // namespace

void runClosureReportDialog(Program& program, int category, QWidget* parent) {
    auto report = std::make_unique<ClosureReport>();
    if (!openClosureReport(program, category, *report))
        return;
    ClosureReportDialog(program, std::move(report), parent).run();
}

} // namespace racedesk
