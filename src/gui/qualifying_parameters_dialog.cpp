#include "gui/qualifying_parameters_dialog.h"

#include "core/qualifying/qualifying_parameters_form.h"
#include "core/qualifying/qualifying_parameters_rules.h"
#include "gui/qualifying_look.h"
#include "platform/qt_text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <initializer_list>
#include <map>

namespace racedesk {
namespace {

using namespace qualifying_control;

constexpr int kWidth = 620;
constexpr int kHeight = 650;
constexpr int kChoiceX = 190;
constexpr int kChoiceWidth = 410;

struct Choice {
    int id;
    QualifyingText text;
    QRect where;
};

class ParametersDialog {
public:
    ParametersDialog(Program& program, int category, QWidget* parent)
        : program_(program), form_(openQualifyingParameters(program, category)), dialog_(parent) {
        dialog_.setWindowTitle(uiText(QualifyingText::ParametersCaption));
        dialog_.setFixedSize(kWidth, kHeight);
        dialog_.setFont(dialogFont());
        addFrames();
        addCategory();
        addRanking();
        addDuration();
        addTimes();
        addStart();
        addEndOptions();
        addButtons();
        showParameters();
    }

    void exec() { dialog_.exec(); }

private:
    // The frames first, so the controls inside them stand above them.
    void addFrames() {
        keep(addFrame(dialog_, kTimeEndGroup, QualifyingText::TimeEndGroup,
                      {15, 385, kWidth - 30, 86}));
        keep(addFrame(dialog_, kLapsEndGroup, QualifyingText::LapsEndGroup,
                      {15, 478, kWidth - 30, 112}));
    }

    void addCategory() {
        addControl<QLabel>(dialog_, 0, QualifyingText::ParametersCategory, {20, 17, 160, 24});
        auto* name = addShownEdit(dialog_, kCategoryName, {kChoiceX, 14, kChoiceWidth, 28}, true);
        name->setText(toQString(form_.categoryName.view()));
    }

    void addRanking() {
        addControl<QLabel>(dialog_, 0, QualifyingText::RankingLabel, {20, 56, 160, 24});
        addRadios(
            {{kRankingLapsThenTime,
              QualifyingText::RankingLapsThenTime,
              {kChoiceX, 56, kChoiceWidth, 24}},
             {kRankingBestLap, QualifyingText::RankingBestLap, {kChoiceX, 82, kChoiceWidth, 24}}});
    }

    // The minutes and the laps share one place: the duration type shows one of them.
    void addDuration() {
        addControl<QLabel>(dialog_, 0, QualifyingText::DurationLabel, {20, 122, 160, 24});
        addRadios({{kDurationTime, QualifyingText::DurationTime, {kChoiceX, 122, 130, 24}},
                   {kDurationLaps, QualifyingText::DurationLaps, {kChoiceX, 148, 130, 24}}});
        addNumber(kMinutes, {340, 133, 55, 28});
        addNumber(kLaps, {340, 133, 55, 28});
        keep(addControl<QLabel>(dialog_, kMinutesUnit, QualifyingText::MinutesUnit,
                                {402, 135, 60, 24}));
        keep(addControl<QLabel>(dialog_, kLapsUnit, QualifyingText::LapsUnit, {402, 135, 60, 24}));
    }

    void addTimes() {
        addControl<QLabel>(dialog_, 0, QualifyingText::CountdownLabel, {20, 188, 260, 24});
        addNumber(kCountdown, {kChoiceX + 100, 185, 65, 28});
        addControl<QLabel>(dialog_, 0, QualifyingText::RestLabel, {20, 224, 260, 24});
        addNumber(kRest, {kChoiceX + 100, 221, 65, 28});
    }

    void addStart() {
        addControl<QLabel>(dialog_, 0, QualifyingText::StartLabel, {20, 262, 160, 24});
        addRadios(
            {{kStartSignal, QualifyingText::StartSignal, {kChoiceX, 262, kChoiceWidth, 24}},
             {kStartFirstCar, QualifyingText::StartFirstCar, {kChoiceX, 288, kChoiceWidth, 24}},
             {kStartStaggered, QualifyingText::StartStaggered, {kChoiceX, 314, kChoiceWidth, 24}}});
        auto* order = addControl<QCheckBox>(dialog_, kEditableOrder, QualifyingText::EditableOrder,
                                            {20, 350, kWidth - 40, 24});
        keep(order);
        QObject::connect(order, &QCheckBox::clicked, [this](bool checked) {
            setControl(form_.parameters, kEditableOrder, checked);
            showParameters();
        });
    }

    void addEndOptions() {
        const int w = kWidth - 60;
        addRadios({{kTimeEndSignal, QualifyingText::TimeEndSignal, {30, 410, w, 24}},
                   {kTimeEndFinishLap, QualifyingText::TimeEndFinishLap, {30, 438, w, 24}}});
        addRadios({{kLapsEndSignal, QualifyingText::LapsEndSignal, {30, 503, w, 24}},
                   {kLapsEndFinishLap, QualifyingText::LapsEndFinishLap, {30, 530, w, 24}},
                   {kLapsEndAllLaps, QualifyingText::LapsEndAllLaps, {30, 557, w, 24}}});
    }

    void addButtons() {
        auto* ok = addButton(dialog_, 1, uiText(QualifyingText::Validate),
                             {kWidth - 240, kHeight - 45, 105, 32});
        auto* cancel =
            addButton(dialog_, 2, Text::ButtonCancel, {kWidth - 120, kHeight - 45, 105, 32});
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, [this] {
            confirmQualifyingParameters(program_, form_);
            dialog_.accept();
        });
        QObject::connect(cancel, &QPushButton::clicked, &dialog_, &QDialog::reject);
    }

    // One set of radio buttons, exclusive among themselves only.
    void addRadios(std::initializer_list<Choice> choices) {
        auto* group = new QButtonGroup(&dialog_);
        for (const Choice& c : choices) {
            auto* radio = addControl<QRadioButton>(dialog_, c.id, c.text, c.where);
            group->addButton(radio);
            keep(radio);
            const int id = c.id;
            QObject::connect(radio, &QRadioButton::clicked, [this, id] {
                setControl(form_.parameters, id, true);
                showParameters();
            });
        }
    }

    void addNumber(int id, const QRect& where) {
        keep(addNumberEdit(
            dialog_, id, where, *numberFieldOf(id), numberOf(form_.parameters, id),
            [this, id](std::string_view text) { return typeNumber(form_.parameters, id, text); }));
    }

    void keep(QWidget* control) { controls_[control->objectName().toInt()] = control; }

    // The controls follow the record: shown, enabled and checked as its rules say.
    void showParameters() {
        for (const auto& [id, control] : controls_) {
            const ControlState state = controlState(form_.parameters, id);
            control->setVisible(state.shown);
            control->setEnabled(state.enabled);
            const bool checked = controlChecked(form_.parameters, id);
            if (auto* box = qobject_cast<QCheckBox*>(control))
                box->setChecked(checked);
            else if (auto* radio = qobject_cast<QRadioButton*>(control); radio && checked)
                radio->setChecked(true);
        }
    }

    Program& program_;
    QualifyingParametersForm form_;
    QDialog dialog_;
    std::map<int, QWidget*> controls_;
};

} // namespace

void runQualifyingParametersDialog(Program& program, int category, QWidget* parent) {
    ParametersDialog(program, category, parent).exec();
}

} // namespace racedesk
