#include "gui/race_tree_view.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/race/tree_codes.h"
#include "core/race/tree_commands.h"
#include "platform/qt_text.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <string_view>
#include <utility>

namespace racedesk {
namespace {

constexpr int kCodeRole = Qt::UserRole;

const char* const kIconFiles[kTreeImageCount] = {
    "tree_folder.png",      "tree_track.png",    "tree_participants.png", "tree_parameters.png",
    "tree_composition.png", "tree_category.png", "tree_heat_empty.png",   "tree_classification.png",
    "tree_heat_done.png",   "tree_trophy.png"};

Text commandText(int command) {
    switch (command) {
    case kCmdNewCategory:
        return Text::ItemNewCategory;
    case kCmdRenameCategory:
        return Text::ItemRenameCategory;
    case kCmdTrack:
        return Text::ItemTrack;
    case kCmdParticipantsList:
        return Text::ItemParticipants;
    case kCmdQualifyingParameters:
        return Text::ItemQualifyingParameters;
    case kCmdHeatComposition:
        return Text::ItemQualifyingArrangement;
    case kCmdFinalsParameters:
        return Text::ItemFinalsParameters;
    case kCmdFinalsComposition:
        return Text::ItemFinalsArrangement;
    default:
        return Text::ItemShowReport;
    }
}

// The edit of a category's name: it takes no more than the name field allows, and only a
// category's label may be edited; what the edit ends with goes through the renaming rule.
class CategoryNameDelegate : public QStyledItemDelegate {
public:
    CategoryNameDelegate(Program& program, const RaceTreeView& view, QObject* parent)
        : QStyledItemDelegate(parent), program_(program), view_(view) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        if (!treeBeginLabelEdit(program_, view_.selectedCode()))
            return nullptr;
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(kCategoryNameEditLength);
        return edit;
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        const int code = view_.selectedCode();
        const std::string name = fromQString(static_cast<QLineEdit*>(editor)->text());
        if (!treeEndLabelEdit(program_, code, name))
            return;
        const CategoryEntry& renamed =
            program_.header.categories[std::size_t(categoryOfCode(code) - 1)];
        model->setData(index, toQString(renamed.name.view()));
        model->setData(index, toQString(renamed.name.view()), Qt::ToolTipRole);
    }

private:
    Program& program_;
    const RaceTreeView& view_;
};

// The tree keeps its width: a label longer than it shows whole in its tooltip, and the tree
// scrolls sideways to it.
void setLabel(QTreeWidgetItem* item, std::string_view label) {
    item->setText(0, toQString(label));
    item->setToolTip(0, item->text(0));
}

} // namespace

RaceTreeView::RaceTreeView(Program& program, QTreeWidget* tree, const QString& iconsFolder,
                           QObject* parent)
    : QObject(parent), program_(program), tree_(tree) {
    const QDir folder(iconsFolder);
    for (const char* file : kIconFiles)
        icons_.append(QIcon(folder.filePath(file)));
    tree_->setIconSize(QSize(16, 16));
    tree_->setRootIsDecorated(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setItemDelegate(new CategoryNameDelegate(program_, *this, tree_));
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->setTextElideMode(Qt::ElideNone);
    tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tree_->header()->setStretchLastSection(false);
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &RaceTreeView::onSelectionChanged);
    connect(tree_, &QTreeWidget::itemExpanded, this, &RaceTreeView::onExpandedOrCollapsed);
    connect(tree_, &QTreeWidget::itemCollapsed, this, &RaceTreeView::onExpandedOrCollapsed);
    connect(tree_, &QWidget::customContextMenuRequested, this, &RaceTreeView::showContextMenu);
}

void RaceTreeView::show(const TreeItems& items, bool openCategories) {
    quiet_ = true;
    tree_->clear();
    leaving_ = 0;
    addItems(items, nullptr);
    for (int i = 0; openCategories && i < tree_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = tree_->topLevelItem(i);
        if (normalisedCode(codeOf(top)) == kCategoryItem)
            top->setExpanded(true);
    }
    quiet_ = false;
}

void RaceTreeView::rebuildBranch(int branchCode) {
    rebuildBranch(readBranch(program_, branchCode));
}

void RaceTreeView::rebuildBranch(const TreeItems& branch) {
    QTreeWidgetItem* root = branch.empty() ? nullptr : itemOf(branch.front().code);
    if (root == nullptr)
        return;
    quiet_ = true;
    setLabel(root, branch.front().text.view());
    root->setIcon(0, icons_.value(int(branch.front().image)));
    qDeleteAll(root->takeChildren());
    QVector<QTreeWidgetItem*> made{root};
    for (std::size_t i = 1; i < branch.size(); ++i) {
        QTreeWidgetItem* item = makeItem(branch[i]);
        made[branch[i].parent]->addChild(item);
        made.append(item);
    }
    quiet_ = false;
}

void RaceTreeView::setRunImage(int code, bool stored) {
    if (QTreeWidgetItem* item = itemOf(code))
        item->setIcon(0, icons_.value(int(runImage(stored))));
}

int RaceTreeView::selectedCode() const {
    const QList<QTreeWidgetItem*> chosen = tree_->selectedItems();
    return chosen.isEmpty() ? program_.header.selectedItem : codeOf(chosen.front());
}

QTreeWidgetItem* RaceTreeView::itemOf(int code) const {
    for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it) {
        if (codeOf(*it) == code)
            return *it;
    }
    return nullptr;
}

int RaceTreeView::codeOf(const QTreeWidgetItem* item) {
    return item->data(0, kCodeRole).toInt();
}

void RaceTreeView::setCommand(int command, std::function<void()> run) {
    commands_[command] = std::move(run);
}

QMenu* RaceTreeView::buildContextMenu() {
    const ContextMenu entries = treeRightClick(program_, selectedCode());
    if (entries.count == 0)
        return nullptr;
    auto* menu = new QMenu(tree_);
    for (int i = 0; i < entries.count; ++i) {
        const int command = entries.commands[std::size_t(i)];
        QAction* action = menu->addAction(toQString(tx(commandText(command))));
        action->setObjectName(QString::number(command));
        const bool own = command == kCmdNewCategory || command == kCmdRenameCategory;
        action->setEnabled(own || commands_.count(command) != 0);
        // Queued: the command runs once the menu has closed.
        connect(
            action, &QAction::triggered, this,
            [this, command] {
                if (command == kCmdNewCategory)
                    appendCategory();
                else if (command == kCmdRenameCategory)
                    startRenaming();
                else if (const auto it = commands_.find(command); it != commands_.end())
                    it->second();
            },
            Qt::QueuedConnection);
    }
    return menu;
}

// Qt reports a selection once it is made: the item left is committed first, then the new one
// is taken up, so a heat is always stored before the next one loads.
void RaceTreeView::onSelectionChanged() {
    const QList<QTreeWidgetItem*> chosen = tree_->selectedItems();
    if (quiet_ || chosen.isEmpty())
        return;
    treeSelectionChanging(program_, leaving_ != 0 ? leaving_ : program_.header.selectedItem);
    leaving_ = codeOf(chosen.front());
    Q_EMIT selected(treeSelectionChanged(program_, leaving_));
}

void RaceTreeView::onExpandedOrCollapsed(QTreeWidgetItem* item) {
    if (quiet_ || !treeItemExpanding(program_, selectedCode(), codeOf(item)))
        return;
    quiet_ = true;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i) {
        if (tree_->topLevelItem(i) != item)
            tree_->topLevelItem(i)->setExpanded(false);
    }
    quiet_ = false;
    Q_EMIT runUnloaded();
}

void RaceTreeView::showContextMenu(const QPoint& pos) {
    QMenu* menu = buildContextMenu();
    if (menu == nullptr)
        return;
    menu->exec(tree_->viewport()->mapToGlobal(pos));
    menu->deleteLater();
}

void RaceTreeView::appendCategory() {
    const TreeItems branch = addCategory(program_);
    if (branch.empty())
        return;
    quiet_ = true;
    addItems(branch, nullptr);
    quiet_ = false;
}

void RaceTreeView::startRenaming() {
    if (QTreeWidgetItem* category = itemOf(selectedCode()))
        tree_->editItem(category);
}

QTreeWidgetItem* RaceTreeView::makeItem(const TreeItem& item) const {
    auto* made = new QTreeWidgetItem;
    setLabel(made, item.text.view());
    made->setData(0, kCodeRole, item.code);
    made->setIcon(0, icons_.value(int(item.image)));
    if (item.bold) {
        QFont font = made->font(0);
        font.setBold(true);
        made->setFont(0, font);
    }
    if (normalisedCode(item.code) == kCategoryItem)
        made->setFlags(made->flags() | Qt::ItemIsEditable);
    return made;
}

void RaceTreeView::addItems(const TreeItems& items, QTreeWidgetItem* parent) {
    QVector<QTreeWidgetItem*> made;
    for (const TreeItem& item : items) {
        QTreeWidgetItem* added = makeItem(item);
        QTreeWidgetItem* under = item.parent < 0 ? parent : made[item.parent];
        if (under != nullptr)
            under->addChild(added);
        else
            tree_->addTopLevelItem(added);
        made.append(added);
    }
}

} // namespace racedesk
