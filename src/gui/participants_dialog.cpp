#include "gui/participants_dialog.h"

#include "core/app/program.h"
#include "core/race/participants_dialog_rules.h"
#include "gui/export_button.h"
#include "gui/participants_look.h"
#include "platform/qt_printing.h"
#include "platform/qt_text.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace racedesk {
namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 600;

class ParticipantsDialogView {
public:
    ParticipantsDialogView(Program& program, QWidget* parent) : p_(program), dialog_(parent) {}

    void run() {
        if (!openParticipantsDialog(p_, d_))
            return;
        setUpDialog(dialog_, ParticipantsText::ListCaption, kWidth, kHeight);
        buildHeading();
        buildLists();
        buildButtons();
        fillDatabase();
        fillParticipants(0);
        dialog_.exec();
    }

private:
    void buildHeading() {
        addControl<QLabel>(dialog_, 0, ParticipantsText::ListTitle, {20, 12, 300, 26}, true);
        auto* category = new QLineEdit(toQString(d_.entry().name.view()), &dialog_);
        place(category, 4201, {20, 44, 420, 28}, true);
        category->setReadOnly(true);
        count_ = new QLabel(&dialog_);
        place(count_, 4202, {450, 47, 90, 24}, true);
        auto* print = addPrintButton(dialog_, 4207, QString::fromStdString(p_.workDir),
                                     {kWidth - 76, 12, 56, 56});
        QObject::connect(print, &QPushButton::clicked, [this] {
            QtPrinter printer(&dialog_, QString::fromStdString(p_.workDir), p_.io.clock);
            printer.print(participantsDocument(d_));
        });
        addExportButton(dialog_, {kWidth - 176, 24, 94, 32}, p_,
                        [this] { return participantsDocument(d_); });
    }

    void buildLists() {
        addControl<QLabel>(dialog_, 0, ParticipantsText::ListInCategory, {20, 85, 290, 24});
        participants_ = new QListWidget(&dialog_);
        place(participants_, 4203, {20, 110, 290, 420});
        addControl<QLabel>(dialog_, 0, ParticipantsText::ListDatabase, {400, 85, 300, 24});
        database_ = new QListWidget(&dialog_);
        place(database_, 4204, {400, 110, 300, 420});
        add_ = addButton(dialog_, 4205, QStringLiteral("<-"), {325, 250, 60, 32});
        remove_ = addButton(dialog_, 4206, QStringLiteral("->"), {325, 300, 60, 32});
        QObject::connect(add_, &QPushButton::clicked, [this] {
            const int place = addFromDatabase(d_, database_->currentRow());
            if (place >= 0)
                fillParticipants(place);
        });
        QObject::connect(remove_, &QPushButton::clicked, [this] {
            const int row = participants_->currentRow();
            if (removeAt(d_, row))
                fillParticipants(row);
        });
    }

    void buildButtons() {
        auto* validate = addButton(dialog_, 1, uiText(ParticipantsText::ListValidate),
                                   {kWidth - 230, kHeight - 50, 100, 32});
        auto* cancel =
            addButton(dialog_, 2, Text::ButtonCancel, {kWidth - 120, kHeight - 50, 100, 32});
        QObject::connect(validate, &QPushButton::clicked, [this] {
            validateParticipantsDialog(p_, d_);
            dialog_.accept();
        });
        QObject::connect(cancel, &QPushButton::clicked, &dialog_, &QDialog::reject);
        for (QPushButton* b : {validate, add_, remove_})
            b->setEnabled(!d_.frozen);
        if (d_.frozen) {
            auto* why = addControl<QLabel>(dialog_, 4208, ParticipantsText::ListFrozen,
                                           {20, kHeight - 62, kWidth - 260, 56});
            why->setWordWrap(true);
        }
    }

    void fillDatabase() {
        for (int i = 0; i < d_.driverCount; ++i)
            database_->addItem(toQString((*d_.drivers)[std::size_t(i)].name.view()));
        database_->setCurrentRow(d_.driverCount > 0 ? 0 : -1);
    }

    // The list anew, with the row `selected` (or the last one) chosen.
    void fillParticipants(int selected) {
        participants_->clear();
        const int listed = listedParticipants(d_.participants);
        for (int i = 0; i < listed; ++i)
            participants_->addItem(toQString(d_.participants[std::size_t(i)].name.view()));
        participants_->setCurrentRow(listed > 0 ? std::min(selected, listed - 1) : -1);
        count_->setText(QString::asprintf(textUtf8(ParticipantsText::ListCount),
                                          participantCount(d_.participants)));
    }

    Program& p_;
    ParticipantsDialog d_;
    QDialog dialog_;
    QLabel* count_ = nullptr;
    QListWidget* participants_ = nullptr;
    QListWidget* database_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
};

} // namespace

void runParticipantsDialog(Program& program, QWidget* parent) {
    ParticipantsDialogView(program, parent).run();
}

} // namespace racedesk
