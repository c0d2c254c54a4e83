#include "gui/finals_parameters_dialog.h"

#include "core/finals/finals_parameters_form.h"
#include "gui/finals_look.h"
#include "gui/qualifying_look.h"
#include "platform/qt_text.h"

#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <initializer_list>
#include <map>

namespace racedesk {
namespace {

using namespace finals_parameters_control;

constexpr int kWidth = 600;
constexpr int kHeight = 360;
constexpr int kChoiceX = 170;
constexpr int kChoiceWidth = 410;

struct Choice {
    int id;
    FinalsText text;
    int y;
};

class ParametersDialog {
public:
    ParametersDialog(Program& program, int category, QWidget* parent)
        : program_(program), form_(openFinalsParameters(program, category)), dialog_(parent) {
        dialog_.setWindowTitle(uiText(FinalsText::ParametersCaption));
        dialog_.setFixedSize(kWidth, kHeight);
        dialog_.setFont(dialogFont());
        addControl<QLabel>(dialog_, 0, FinalsText::Category, {20, 17, 140, 24});
        auto* name = addShownEdit(dialog_, kCategoryName, {kChoiceX, 14, kChoiceWidth, 28}, true);
        name->setText(toQString(form_.categoryName.view()));
        addControl<QLabel>(dialog_, 0, FinalsText::StartLabel, {20, 60, 140, 24});
        addRadios({{kStartSignal, FinalsText::StartSignal, 60},
                   {kStartStaggered, FinalsText::StartStaggered, 86},
                   {kStartFirstCar, FinalsText::StartFirstCar, 112}});
        addControl<QLabel>(dialog_, 0, FinalsText::EndLabel, {20, 156, 140, 24});
        addRadios({{kEndSignal, FinalsText::EndSignal, 156},
                   {kEndFinishLap, FinalsText::EndFinishLap, 182}});
        addControl<QLabel>(dialog_, 0, FinalsText::CountdownLabel, {20, 232, 250, 24});
        addNumberEdit(dialog_, kCountdown, {280, 229, 70, 28}, kFinalsCountdownField,
                      form_.parameters.countdownSeconds, [this](std::string_view text) {
                          return typeFinalsCountdown(form_.parameters, text);
                      });
        addButtons();
        showParameters();
    }

    void exec() { dialog_.exec(); }

private:
    void addRadios(std::initializer_list<Choice> choices) {
        auto* group = new QButtonGroup(&dialog_);
        for (const Choice& c : choices) {
            auto* radio =
                addControl<QRadioButton>(dialog_, c.id, c.text, {kChoiceX, c.y, kChoiceWidth, 24});
            group->addButton(radio);
            radios_[c.id] = radio;
            const int id = c.id;
            QObject::connect(radio, &QRadioButton::clicked, [this, id] {
                setFinalsControl(form_.parameters, id);
                showParameters();
            });
        }
    }

    void addButtons() {
        auto* ok = addButton(dialog_, 1, uiText(FinalsText::Validate),
                             {kWidth - 240, kHeight - 45, 105, 32});
        auto* cancel =
            addButton(dialog_, 2, Text::ButtonCancel, {kWidth - 120, kHeight - 45, 105, 32});
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, [this] {
            confirmFinalsParameters(program_, form_);
            dialog_.accept();
        });
        QObject::connect(cancel, &QPushButton::clicked, &dialog_, &QDialog::reject);
    }

    void showParameters() {
        for (const auto& [id, radio] : radios_) {
            radio->setEnabled(finalsControlEnabled(form_.parameters, id));
            if (finalsControlChecked(form_.parameters, id))
                radio->setChecked(true);
        }
    }

    Program& program_;
    FinalsParametersForm form_;
    QDialog dialog_;
    std::map<int, QRadioButton*> radios_;
};

} // namespace

void runFinalsParametersDialog(Program& program, int category, QWidget* parent) {
    ParametersDialog(program, category, parent).exec();
}

} // namespace racedesk
