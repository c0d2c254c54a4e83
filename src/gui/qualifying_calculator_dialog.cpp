#include "gui/qualifying_calculator_dialog.h"

#include "core/qualifying/qualifying_calculator.h"
#include "gui/qualifying_look.h"
#include "platform/qt_text.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace racedesk {
namespace {

using namespace calculator_control;

constexpr int kWidth = 600;
constexpr int kHeight = 480;
constexpr int kFieldX = 390;

struct Input {
    int id;
    QualifyingText label;
    int y;
};

constexpr Input kInputs[] = {
    {kParticipants, QualifyingText::CalculatorParticipants, 122},
    {kDriversPerHeat, QualifyingText::CalculatorDriversPerHeat, 156},
    {kRounds, QualifyingText::CalculatorRounds, 190},
    {kHeatMinutes, QualifyingText::CalculatorHeatMinutes, 224},
    {kRestMinutes, QualifyingText::CalculatorRestMinutes, 258},
};

class CalculatorDialog {
public:
    CalculatorDialog(CalculatorInputs& inputs, QWidget* parent) : inputs_(inputs), dialog_(parent) {
        dialog_.setWindowTitle(uiText(QualifyingText::CalculatorCaption));
        dialog_.setFixedSize(kWidth, kHeight);
        dialog_.setFont(dialogFont());
        addFrame(dialog_, kInputsGroup, QualifyingText::CalculatorInputsGroup,
                 {15, 92, kWidth - 30, 204});
        addFrame(dialog_, kResultsGroup, QualifyingText::CalculatorResultsGroup,
                 {15, 304, kWidth - 30, 124});
        addControl<QLabel>(dialog_, kTitle, QualifyingText::CalculatorTitle,
                           {20, 12, kWidth - 40, 28}, true);
        addCategory();
        addInputs();
        addResults();
        auto* ok = addButton(dialog_, 1, Text::ButtonOk, {kWidth - 120, kHeight - 45, 105, 32});
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialog_, &QDialog::accept);
        showResults();
    }

    void exec() { dialog_.exec(); }

private:
    void addCategory() {
        addControl<QLabel>(dialog_, kCategoryLabel, QualifyingText::CalculatorCategory,
                           {20, 54, 130, 24}, true);
        auto* name = new QLineEdit(toQString(inputs_.category.view()), &dialog_);
        place(name, kCategory, {160, 51, kWidth - 180, 28});
        name->setMaxLength(kCalculatorCategoryLength);
        QObject::connect(name, &QLineEdit::textEdited, [this](const QString& text) {
            inputs_.category = fromQString(text);
            showResults();
        });
    }

    void addInputs() {
        for (const Input& in : kInputs) {
            addControl<QLabel>(dialog_, 0, in.label, {30, in.y + 3, kFieldX - 40, 24});
            const int id = in.id;
            addNumberEdit(dialog_, id, {kFieldX, in.y, 70, 28}, *calculatorFieldOf(id),
                          calculatorNumberOf(inputs_, id), [this, id](std::string_view text) {
                              const TypedNumber typed = typeCalculatorNumber(inputs_, id, text);
                              showResults();
                              return typed;
                          });
        }
    }

    void addResults() {
        addControl<QLabel>(dialog_, 0, QualifyingText::CalculatorResultCategory,
                           {30, 333, 200, 24});
        category_ = addShownEdit(dialog_, kResultCategory, {240, 330, kWidth - 270, 28});
        addControl<QLabel>(dialog_, 0, QualifyingText::CalculatorTotalRuns,
                           {30, 365, kFieldX - 40, 24});
        runs_ = addShownEdit(dialog_, kTotalRuns, {kFieldX, 362, 70, 28});
        addControl<QLabel>(dialog_, 0, QualifyingText::CalculatorTotalDuration,
                           {30, 397, kFieldX - 40, 24});
        duration_ = addShownEdit(dialog_, kTotalDuration, {kFieldX, 394, 160, 28});
    }

    void showResults() {
        const CalculatorResults r = calculate(inputs_);
        category_->setText(toQString(inputs_.category.view()));
        runs_->setText(QString::number(r.runs));
        duration_->setText(toQString(durationText(r.totalMinutes)));
    }

    CalculatorInputs& inputs_;
    QDialog dialog_;
    QLineEdit* category_ = nullptr;
    QLineEdit* runs_ = nullptr;
    QLineEdit* duration_ = nullptr;
};

} // namespace

void runQualifyingCalculatorDialog(CalculatorInputs& inputs, QWidget* parent) {
    CalculatorDialog(inputs, parent).exec();
}

} // namespace racedesk
