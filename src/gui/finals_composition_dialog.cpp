#include "gui/finals_composition_dialog.h"

#include "core/finals/finals_composition_form.h"
#include "core/finals/finals_structure.h"
#include "gui/finals_look.h"
#include "gui/qualifying_look.h"
#include "platform/qt_text.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <map>

namespace racedesk {
namespace {

using namespace composition_control;

constexpr int kWidth = 760;
constexpr int kHeight = 560;
constexpr int kRowsTop = 190;
constexpr int kRowStep = 36;
constexpr int kDurationX = 300;
constexpr int kRestX = 410;
constexpr int kMovingUpX = 520;
constexpr int kDirectX = 630;
constexpr int kCellWidth = 70;

constexpr FinalsText kRowLabels[kFinalsRows] = {FinalsText::RowFinal, FinalsText::RowHalf,
                                                FinalsText::RowQuarter, FinalsText::RowEighth,
                                                FinalsText::RowBelow};

// One dialog for both: the composition stores its values, the calculator keeps them in
// memory. Identifiers are the composition's less `offset_` for the calculator.
class CompositionDialog {
public:
    CompositionDialog(FinalsComposition& composition, int maxParticipants, bool calculator,
                      QWidget* parent)
        : c_(composition), maxParticipants_(maxParticipants), calculator_(calculator),
          offset_(calculator ? kCalculatorOffset : 0), dialog_(parent) {
        dialog_.setWindowTitle(
            uiText(calculator ? FinalsText::CalculatorCaption : FinalsText::CompositionCaption));
        dialog_.setFixedSize(kWidth, kHeight);
        dialog_.setFont(dialogFont());
        if (calculator)
            addControl<QLabel>(dialog_, kCalculatorTitle, FinalsText::CalculatorTitle,
                               {20, 8, kWidth - 40, 28}, true);
        addCounts();
        addRows();
        addResults();
    }

    // The category's name, read-only or typed into `name` (the calculator's).
    QLineEdit* addCategory(const QString& text, bool editable) {
        addControl<QLabel>(dialog_, 0, FinalsText::Category, {20, 45, 140, 24});
        auto* edit = new QLineEdit(text, &dialog_);
        place(edit, kCategory - offset_, {170, 42, 400, 28}, true);
        edit->setReadOnly(!editable);
        edit->setMaxLength(kCategoryNameLength);
        return edit;
    }

    // "Génerer" and "Echap", or the calculator's "Ok".
    QPushButton* addButtons(bool canGenerate) {
        if (!canGenerate) {
            auto* ok = addButton(dialog_, 1, Text::ButtonOk, {kWidth - 120, kHeight - 45, 105, 32});
            ok->setDefault(true);
            QObject::connect(ok, &QPushButton::clicked, &dialog_, &QDialog::accept);
            return ok;
        }
        generate_ = addButton(dialog_, 1, uiText(FinalsText::Generate),
                              {kWidth - 240, kHeight - 45, 105, 32});
        auto* cancel =
            addButton(dialog_, 2, Text::ButtonCancel, {kWidth - 120, kHeight - 45, 105, 32});
        QObject::connect(cancel, &QPushButton::clicked, &dialog_, &QDialog::reject);
        showResults();
        return generate_;
    }

    void freeze() {
        for (const auto& [id, edit] : inputs_)
            edit->setEnabled(!frozenControl(id));
    }

    QDialog& dialog() { return dialog_; }

    void showResults() {
        for (const auto& [id, edit] : inputs_) {
            if (id != typing_)
                edit->setText(QString::number(compositionNumberOf(c_, id)));
        }
        for (int id : kDirect) {
            const int direct = compositionNumberOf(c_, id);
            directs_[id]->setText(QString::number(calculator_ ? std::max(direct, 0) : direct));
        }
        const FinalsStructure s = finalsStructure(c_);
        firstLevel_->setText(toQString(firstLevelText(s)));
        finals_->setText(QString::number(s.finals));
        duration_->setText(toQString(totalDurationText(s)));
        if (generate_ != nullptr)
            generate_->setEnabled(canGenerate(c_));
    }

private:
    static constexpr int kCategoryNameLength = 53;

    void addCounts() {
        addControl<QLabel>(dialog_, 0, FinalsText::ParticipantsBefore, {20, 87, 150, 24});
        addInput(kParticipants, {170, 84, 60, 28});
        addControl<QLabel>(dialog_, 0, FinalsText::ParticipantsAfter, {240, 87, 400, 24});
        addControl<QLabel>(dialog_, 0, FinalsText::DriversPerFinal, {20, 123, 300, 24});
        addInput(kDriversPerFinal, {330, 120, 60, 28});
    }

    void addRows() {
        const FinalsText headers[] = {FinalsText::ColumnDuration, FinalsText::ColumnRest,
                                      FinalsText::ColumnMovingUp, FinalsText::ColumnDirect};
        const int xs[] = {kDurationX, kRestX, kMovingUpX, kDirectX};
        for (int i = 0; i < 4; ++i)
            addControl<QLabel>(dialog_, 0, headers[i], {xs[i] - 15, kRowsTop - 30, 110, 24});
        for (int row = 0; row < kFinalsRows; ++row) {
            const int y = kRowsTop + row * kRowStep;
            addControl<QLabel>(dialog_, 0, kRowLabels[row], {20, y + 3, 270, 24});
            addInput(kDuration[row], {kDurationX, y, kCellWidth, 28});
            if (row > 0) {
                addInput(kRest[row - 1], {kRestX, y, kCellWidth, 28});
                addInput(kMovingUp[row - 1], {kMovingUpX, y, kCellWidth, 28});
            }
            directs_[kDirect[row]] =
                addShownEdit(dialog_, kDirect[row] - offset_, {kDirectX, y, kCellWidth, 28});
        }
    }

    void addResults() {
        addControl<QGroupBox>(dialog_, 0, FinalsText::ResultsGroup, {15, 375, kWidth - 30, 125},
                              true)
            ->setAttribute(Qt::WA_TransparentForMouseEvents);
        addControl<QLabel>(dialog_, 0, FinalsText::FirstLevelLabel, {30, 400, 300, 24});
        firstLevel_ = addShownEdit(dialog_, kFirstLevel - offset_, {340, 397, 250, 28});
        addControl<QLabel>(dialog_, 0, FinalsText::TotalFinalsLabel, {30, 432, 300, 24});
        finals_ = addShownEdit(dialog_, kTotalFinals - offset_, {340, 429, 80, 28});
        addControl<QLabel>(dialog_, 0, FinalsText::TotalDurationLabel, {30, 464, 300, 24});
        duration_ = addShownEdit(dialog_, kTotalDuration - offset_, {340, 461, 160, 28});
    }

    void addInput(int id, const QRect& where) {
        const NumberField field = *compositionFieldOf(c_, id, maxParticipants_);
        inputs_[id] = addNumberEdit(dialog_, id - offset_, where, field,
                                    compositionNumberOf(c_, id), [this, id](std::string_view text) {
                                        const TypedNumber typed =
                                            typeCompositionNumber(c_, id, text, maxParticipants_);
                                        typing_ = id;
                                        showResults();
                                        typing_ = 0;
                                        return typed;
                                    });
    }

    FinalsComposition& c_;
    int maxParticipants_;
    bool calculator_;
    int offset_;
    QDialog dialog_;
    std::map<int, QLineEdit*> inputs_;  // by the composition's identifiers
    std::map<int, QLineEdit*> directs_; // likewise
    QLineEdit* firstLevel_ = nullptr;
    QLineEdit* finals_ = nullptr;
    QLineEdit* duration_ = nullptr;
    QPushButton* generate_ = nullptr;
    int typing_ = 0; // the edit being typed in shows what its rules give it themselves
};

} // namespace

bool runFinalsCompositionDialog(Program& program, int category, QWidget* parent) {
    FinalsCompositionForm form;
    if (!openFinalsComposition(program, category, form))
        return false;
    CompositionDialog d(form.composition, form.maxParticipants, false, parent);
    d.addCategory(toQString(form.categoryName.view()), false);
    QPushButton* generate = d.addButtons(true);
    QObject::connect(generate, &QPushButton::clicked, &d.dialog(), [&] {
        generateFinalsComposition(program, form);
        d.dialog().accept();
    });
    if (form.frozen)
        d.freeze();
    d.dialog().exec();
    return afterFinalsComposition(program, category).rebuildBranch;
}

void runFinalsCalculatorDialog(FinalsCalculatorInputs& inputs, QWidget* parent) {
    CompositionDialog d(inputs.composition, kFinalsCalculatorParticipants, true, parent);
    QLineEdit* name = d.addCategory(toQString(inputs.category.view()), true);
    QObject::connect(name, &QLineEdit::textEdited,
                     [&inputs](const QString& text) { inputs.category = fromQString(text); });
    d.addButtons(false);
    d.showResults();
    d.dialog().exec();
}

} // namespace racedesk
