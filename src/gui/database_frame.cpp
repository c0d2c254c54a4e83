#include "gui/database_frame.h"

#include "gui/dialog_look.h"
#include "platform/qt_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace racedesk {
namespace {

constexpr int kListTop = 86;
constexpr int kListHeight = 290;

} // namespace

DatabaseFrame::DatabaseFrame(QWidget* parent, const FrameLayout& layout, NameTable names)
    : dialog_(parent), names_(std::move(names)), selectAdded_(layout.selectAdded) {
    setUpDialog(dialog_, layout.caption, layout.width, layout.height);
    // A narrow dialog folds its title over two lines.
    QLabel* title =
        addTitle(dialog_, 0, layout.title, {20, 8, std::min(500, layout.width - 40), 48});
    title->setWordWrap(true);
    title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    buildList(layout);
    buildButtons(layout);
}

void DatabaseFrame::buildList(const FrameLayout& layout) {
    const int namesWidth = std::min(244, layout.width - 86);
    addLabel(dialog_, Text::DatabaseId, {20, kListTop - 24, 46, 22});
    addTitle(dialog_, 0, layout.header, {66, kListTop - 24, namesWidth, 22});

    identifier_ = new QListWidget(&dialog_);
    place(identifier_, layout.listId + 1, {20, kListTop, 42, kListHeight});
    identifier_->setSelectionMode(QAbstractItemView::NoSelection);
    identifier_->setFocusPolicy(Qt::NoFocus);

    list_ = new QListWidget(&dialog_);
    place(list_, layout.listId, {66, kListTop, namesWidth, kListHeight});
    QObject::connect(list_, &QListWidget::currentRowChanged, [this](int row) { select(row); });

    addLabel(dialog_, layout.newLabel, {16, 392, 84, 24});
    newName_ = new QLineEdit(&dialog_);
    place(newName_, layout.newNameId, {100, 389, namesWidth - 34, 28});
    newName_->setMaxLength(layout.newNameMax);
}

void DatabaseFrame::buildButtons(const FrameLayout& layout) {
    auto* add = addButton(dialog_, layout.listId + 2, Text::DatabaseAdd, {20, 428, 140, 32});
    auto* remove = addButton(dialog_, layout.listId + 3, Text::DatabaseRemove, {170, 428, 140, 32});
    QObject::connect(add, &QPushButton::clicked, [this] { this->add(); });
    QObject::connect(remove, &QPushButton::clicked, [this] { this->remove(); });

    const int bottom = layout.height - 45;
    auto* ok = addButton(dialog_, 1, Text::ButtonOk, {layout.width - 240, bottom, 105, 32});
    auto* cancel = addButton(dialog_, 2, Text::ButtonCancel, {layout.width - 120, bottom, 105, 32});
    QObject::connect(ok, &QPushButton::clicked, [this] {
        if (ok_)
            ok_();
        dialog_.accept();
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog_, &QDialog::reject);
}

void DatabaseFrame::run() {
    refill(names_.listed() > 0 ? 0 : -1);
    dialog_.exec();
}

void DatabaseFrame::refill(int position) {
    const QSignalBlocker quiet(list_);
    list_->clear();
    const int listed = names_.listed();
    for (int i = 0; i < listed; ++i)
        list_->addItem(toQString(names_.name(i)));
    list_->setCurrentRow(position);
    select(position);
}

void DatabaseFrame::select(int position) {
    selected_ = position;
    identifier_->clear();
    if (position >= 0)
        identifier_->addItem(QString::number(position + 1));
    if (show_)
        show_(position);
}

void DatabaseFrame::add() {
    const int added = names_.add(fromQString(newName_->text()));
    if (added < 0)
        return;
    newName_->clear();
    refill(selectAdded_ ? added : 0);
}

void DatabaseFrame::remove() {
    if (selected_ < 0)
        return;
    const std::string name(names_.name(selected_));
    const Removal removal = names_.remove(name, fromQString(newName_->text()));
    if (removal.addedTyped)
        newName_->clear();
    refill(removal.select);
}

} // namespace racedesk
