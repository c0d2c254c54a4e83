#include "gui/heat_composition_dialog.h"

#include "core/app/program.h"
#include "core/qualifying/composition_printout.h"
#include "core/qualifying/composition_table.h"
#include "gui/composition_look.h"
#include "gui/dialog_look.h"
#include "gui/export_button.h"
#include "gui/painted_panel.h"
#include "platform/qt_printing.h"
#include "platform/qt_text.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>

#include <functional>

namespace racedesk {
namespace {

constexpr int kWidth = 712;
constexpr int kHeight = 640;
constexpr Point kTableOrigin{20, 95};
constexpr int kScrollBarWidth = 18;

class CompositionWindow {
public:
    CompositionWindow(Program& program, QWidget* parent, int category)
        : p_(program), d_(openCompositionDialog(program, category)), dialog_(parent) {
        build();
    }

    CompositionDialog run() {
        if (dialog_.exec() != QDialog::Accepted)
            escapeComposition(p_, d_);
        return d_;
    }

private:
    QString folder() const { return QString::fromStdString(p_.workDir); }

    void build() {
        dialog_.setWindowTitle(uiText(CompositionText::Caption));
        dialog_.setFixedSize(kWidth, kHeight);
        dialog_.setFont(dialogFont());
        panel_ = new PaintedPanel(
            dialog_, folder(), [this](Canvas& c) { paintCompositionTable(c, d_, kTableOrigin); },
            [this](int x, int y) { clicked(x, y); });
        auto* name = new QLineEdit(toQString(d_.categoryName.view()), &dialog_);
        place(name, 4501, {20, 14, 440, 28}, true);
        name->setReadOnly(true);
        name->setFocusPolicy(Qt::NoFocus);
        buildCountFields();
        buildScrollBar();
        buildButtons();
        showScrollRange();
    }

    // An edit of digits whose value is clamped on every change and shown clamped.
    QLineEdit* addCountField(int id, CompositionText label, const QRect& labelPlace,
                             const QRect& where, int digits, int value,
                             const std::function<int(std::string_view)>& clamp,
                             const std::function<void(int)>& apply) {
        place(new QLabel(uiText(label), &dialog_), 0, labelPlace);
        auto* edit = new QLineEdit(QString::number(value), &dialog_);
        place(edit, id, where);
        edit->setMaxLength(digits);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
        edit->setEnabled(!d_.countsFrozen);
        QObject::connect(edit, &QLineEdit::textEdited, [edit, clamp, apply](const QString& text) {
            const int clamped = clamp(fromQString(text));
            if (text != QString::number(clamped))
                edit->setText(QString::number(clamped));
            apply(clamped);
        });
        return edit;
    }

    void buildCountFields() {
        addCountField(4502, CompositionText::DriversPerHeat, {20, 55, 190, 26}, {212, 52, 44, 30},
                      kDriversPerHeatDigits, d_.composition.driversPerHeat, driversPerHeatOfField,
                      [this](int n) {
                          setDriversPerHeat(p_, d_, n);
                          showScrollRange();
                      });
        addCountField(4503, CompositionText::Rounds, {290, 55, 150, 26}, {442, 52, 34, 30},
                      kRoundsDigits, d_.composition.rounds, roundsOfField,
                      [this](int rounds) { setRounds(p_, d_, rounds); });
    }

    void buildScrollBar() {
        scrollBar_ = new QScrollBar(Qt::Vertical, &dialog_);
        scrollBar_->setObjectName("4505");
        scrollBar_->setGeometry(kTableOrigin.x + kCompositionTableWidth, kTableOrigin.y,
                                kScrollBarWidth, kCompositionTableHeight);
        scrollBar_->setSingleStep(1);
        scrollBar_->setPageStep(1);
        QObject::connect(scrollBar_, &QScrollBar::valueChanged, [this](int row) {
            scrollTo(d_, row);
            panel_->update();
        });
    }

    void buildButtons() {
        auto* print = addPrintButton(dialog_, 4504, folder(), {640, 10, 52, 52});
        // Like printing, only a category with participants has heats to export.
        addExportButton(dialog_, {530, 20, 104, 32}, p_, [this] {
            return compositionPrintable(d_) ? compositionPrintout(d_) : PrintDocument{};
        });
        auto* generate =
            addButton(dialog_, 1, uiText(CompositionText::Generate), {462, 590, 110, 34});
        auto* escape = addButton(dialog_, 2, Text::ButtonCancel, {582, 590, 110, 34});
        generate->setEnabled(d_.editable);
        QObject::connect(print, &QPushButton::clicked, [this] { printComposition(); });
        QObject::connect(generate, &QPushButton::clicked, [this] {
            if (generateComposition(p_, d_) == GenerateOutcome::Written)
                dialog_.accept();
        });
        QObject::connect(escape, &QPushButton::clicked, &dialog_, &QDialog::reject);
    }

    // The range follows the rows; the bar shows only when some row is out of sight.
    void showScrollRange() {
        scrollBar_->setRange(0, scrollRange(d_));
        scrollBar_->setValue(d_.scroll);
        scrollBar_->setVisible(scrollRange(d_) > 0);
        panel_->update();
    }

    void clicked(int x, int y) {
        const ArrowHit hit = arrowAt(d_, kTableOrigin, x, y);
        if (hit.place < 0)
            return;
        const bool moved = hit.up ? moveUp(p_, d_, hit.place) : moveDown(p_, d_, hit.place);
        if (moved)
            showScrollRange();
    }

    void printComposition() {
        if (!compositionPrintable(d_))
            return;
        QtPrinter printer(&dialog_, folder(), p_.io.clock);
        printer.print(compositionPrintout(d_));
    }

    Program& p_;
    CompositionDialog d_;
    QDialog dialog_;
    PaintedPanel* panel_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
};

} // namespace

CompositionDialog runHeatCompositionDialog(Program& program, QWidget* parent, int category) {
    return CompositionWindow(program, parent, category).run();
}

} // namespace racedesk
