#include "gui/transponders_dialog.h"

#include "core/app/program.h"
#include "core/databases/transponder_packs.h"
#include "gui/dialog_look.h"
#include "gui/record_form.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <cstdio>

namespace racedesk {
namespace {

constexpr int kWidth = 730;
constexpr int kHeight = 520;
constexpr int kFirstNumberId = 3303;

QString numberLabel(int number) {
    char text[64];
    std::snprintf(text, sizeof text, tx(Text::DatabasePackTransponder), number);
    return toQString(text);
}

class TranspondersDialog {
public:
    TranspondersDialog(Program& program, QWidget* parent) : p_(program), dialog_(parent) {
        if (!readTransponderPacks(p_.path(kTransponderPacksFile), table_))
            p_.showError(tx(Text::ErrTranspondersDatabase));
        build();
    }

    void run() {
        list_->setCurrentRow(0);
        dialog_.exec();
    }

private:
    TransponderPack* current() {
        return selected_ >= 0 ? &table_[std::size_t(selected_)] : nullptr;
    }

    void build() {
        setUpDialog(dialog_, Text::DatabaseTranspondersCaption, kWidth, kHeight);
        addTitle(dialog_, 0, Text::DatabaseTranspondersTitle, {20, 8, 500, 30});
        addTitle(dialog_, 0, Text::DatabasePacksHeader, {20, 62, 250, 22});
        list_ = new QListWidget(&dialog_);
        place(list_, 3301, {20, 86, 250, 290});
        for (const TransponderPack& pack : table_)
            list_->addItem(toQString(pack.name.view()));
        QObject::connect(list_, &QListWidget::currentRowChanged, [this](int row) {
            selected_ = row;
            form_.show();
        });
        form_.shown(dialog_, 3302, {290, 51, 200, 28}, &TransponderPack::name, true);
        for (int t = 0; t < kPackTransponderCount; ++t)
            addNumber(t);

        auto* ok = addButton(dialog_, 1, Text::ButtonOk, {kWidth - 240, kHeight - 45, 105, 32});
        auto* cancel =
            addButton(dialog_, 2, Text::ButtonCancel, {kWidth - 120, kHeight - 45, 105, 32});
        QObject::connect(ok, &QPushButton::clicked, [this] {
            if (!writeTransponderPacks(p_.path(kTransponderPacksFile), table_))
                p_.showError(tx(Text::ErrTranspondersDatabase));
            dialog_.accept();
        });
        QObject::connect(cancel, &QPushButton::clicked, &dialog_, &QDialog::reject);
    }

    // Two columns of ten numbers.
    void addNumber(int t) {
        const int x = 290 + t / 10 * 220;
        const int y = 90 + t % 10 * 34;
        auto* label = new QLabel(numberLabel(t + 1), &dialog_);
        place(label, 0, {x, y + 3, 125, 22});
        const auto at = std::size_t(t);
        RecordForm<TransponderPack>::digitsOnly(form_.edit(
            dialog_, kFirstNumberId + t, {x + 128, y, 80, 28}, 6,
            [at](const TransponderPack& pack) { return pack.transponders[at].view(); },
            [at](TransponderPack& pack, std::string_view typed) {
                pack.transponders[at] = typed;
            }));
    }

    Program& p_;
    TransponderPackTable table_;
    QDialog dialog_;
    QListWidget* list_ = nullptr;
    int selected_ = -1;
    RecordForm<TransponderPack> form_{[this] { return current(); }};
};

} // namespace

void runTranspondersDialog(Program& program, QWidget* parent) {
    TranspondersDialog(program, parent).run();
}

} // namespace racedesk
