#include "gui/track_dialog.h"

#include "core/app/program.h"
#include "core/race/track_dialog_rules.h"
#include "gui/participants_look.h"
#include "platform/qt_text.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <memory>

namespace racedesk {
namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 430;
constexpr int kFieldX = 200;
constexpr int kDetailX = 190;

class TrackDialogView {
public:
    TrackDialogView(Program& program, QWidget* parent) : p_(program), dialog_(parent) {
        openTrackDialog(p_, *d_);
        setUpDialog(dialog_, ParticipantsText::TrackCaption, kWidth, kHeight);
        buildChoices();
        buildDetails();
        buildButtons();
        showDetails();
    }

    void run() { dialog_.exec(); }

private:
    QLineEdit* addField(int id, const QRect& where, bool readOnly = true) {
        auto* field = new QLineEdit(&dialog_);
        place(field, id, where);
        field->setReadOnly(readOnly);
        return field;
    }

    QComboBox* addList(int id, int y, int count, const auto& nameAt, int selected) {
        auto* list = new QComboBox(&dialog_);
        place(list, id, {kFieldX, y, 340, 28});
        for (int i = 0; i < count; ++i)
            list->addItem(toQString(nameAt(i)));
        list->setCurrentIndex(selected);
        return list;
    }

    void buildChoices() {
        addControl<QLabel>(dialog_, 0, ParticipantsText::TrackRaceName, {20, 20, 175, 24});
        raceName_ = addField(4101, {kFieldX, 17, 340, 28}, false);
        raceName_->setMaxLength(kRaceNameLength);
        raceName_->setText(toQString(d_->track.raceName.view()));
        QObject::connect(raceName_, &QLineEdit::textChanged, [this](const QString& text) {
            if (!typeRaceName(*d_, fromQString(text)))
                raceName_->clear();
        });

        addControl<QLabel>(dialog_, 0, ParticipantsText::TrackClub, {20, 60, 175, 24});
        auto* clubs = addList(
            4102, 57, d_->clubCount,
            [this](int i) { return d_->clubs[std::size_t(i)].name.view(); }, d_->club);
        QObject::connect(clubs, &QComboBox::currentIndexChanged,
                         [this](int index) { chooseClub(*d_, index); });

        addControl<QLabel>(dialog_, 0, ParticipantsText::TrackCircuit, {20, 100, 175, 24});
        auto* circuits = addList(
            4103, 97, d_->circuitCount,
            [this](int i) { return d_->circuits[std::size_t(i)].name.view(); }, d_->circuit);
        QObject::connect(circuits, &QComboBox::currentIndexChanged, [this](int index) {
            chooseCircuit(*d_, index);
            showDetails();
        });
    }

    void buildDetails() {
        addControl<QGroupBox>(dialog_, 0, ParticipantsText::TrackCircuitGroup,
                              {15, 140, kWidth - 30, 205}, true)
            ->setAttribute(Qt::WA_TransparentForMouseEvents);
        name_ = addField(4104, {30, 167, 340, 28});
        name_->setFont(dialogFont(true));
        addControl<QLabel>(dialog_, 0, ParticipantsText::TrackLength, {30, 205, 155, 24});
        length_ = addField(4105, {kDetailX, 202, 70, 28});
        addControl<QLabel>(dialog_, 0, ParticipantsText::TrackMetres, {266, 205, 20, 24});
        addControl<QLabel>(dialog_, 0, ParticipantsText::TrackLapRecord, {30, 240, 155, 24});
        record_ = addField(4106, {kDetailX, 237, 110, 28});
        addControl<QLabel>(dialog_, 0, ParticipantsText::TrackRecordHolder, {306, 240, 30, 24});
        holder_ = addField(4107, {338, 237, 192, 28});
        addControl<QLabel>(dialog_, 0, ParticipantsText::TrackTown, {30, 275, 155, 24});
        town_ = addField(4108, {kDetailX, 272, 240, 28});

        addControl<QLabel>(dialog_, 0, ParticipantsText::TrackProtection, {30, 310, 175, 24});
        protection_ = addField(4109, {210, 307, 50, 28}, false);
        protection_->setMaxLength(kProtectionDigits);
        protection_->setValidator(
            new QRegularExpressionValidator(QRegularExpression("[0-9]*"), protection_));
        QObject::connect(protection_, &QLineEdit::textEdited,
                         [this](const QString& text) { typeProtection(*d_, fromQString(text)); });
        // While typing, "1" may be the start of "15": the field shows the floor once left.
        QObject::connect(protection_, &QLineEdit::editingFinished, [this] { showProtection(); });
        addControl<QLabel>(dialog_, 0, ParticipantsText::TrackSeconds, {266, 310, 20, 24});
    }

    void buildButtons() {
        auto* validate = addButton(dialog_, 1, uiText(ParticipantsText::TrackValidate),
                                   {kWidth - 230, kHeight - 50, 100, 32});
        auto* cancel =
            addButton(dialog_, 2, Text::ButtonCancel, {kWidth - 120, kHeight - 50, 100, 32});
        validate->setDefault(true);
        QObject::connect(validate, &QPushButton::clicked, [this] {
            validateTrackDialog(p_, *d_);
            dialog_.accept();
        });
        QObject::connect(cancel, &QPushButton::clicked, &dialog_, &QDialog::reject);
    }

    void showProtection() { protection_->setText(QString::number(d_->track.protectionSeconds)); }

    void showDetails() {
        const CircuitRecord* c = selectedCircuit(*d_);
        const auto show = [c](QLineEdit* field, auto member) {
            field->setText(c != nullptr ? toQString((c->*member).view()) : QString());
        };
        show(name_, &CircuitRecord::name);
        show(length_, &CircuitRecord::length);
        show(record_, &CircuitRecord::recordText);
        show(holder_, &CircuitRecord::recordHolder);
        show(town_, &CircuitRecord::town);
        showProtection();
    }

    Program& p_;
    std::unique_ptr<TrackDialog> d_ = std::make_unique<TrackDialog>();
    QDialog dialog_;
    QLineEdit* raceName_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* length_ = nullptr;
    QLineEdit* record_ = nullptr;
    QLineEdit* holder_ = nullptr;
    QLineEdit* town_ = nullptr;
    QLineEdit* protection_ = nullptr;
};

} // namespace

void runTrackDialog(Program& program, QWidget* parent) {
    TrackDialogView(program, parent).run();
}

} // namespace racedesk
