#pragma once
#include "core/race/race_tree.h"
#include "core/race/tree_events.h"

#include <QIcon>
#include <QObject>
#include <QSet>
#include <QVector>

#include <functional>
#include <map>

class QMenu;
class QPoint;
class QTreeWidget;
class QTreeWidgetItem;

namespace racedesk {

struct Program;

// Binds the main window's tree control (4000) to the race tree's rules: shows the items core
// builds, forwards the tree's notifications to core in their order, and runs the category
// commands of its context menus.
class RaceTreeView : public QObject {
    Q_OBJECT
public:
    RaceTreeView(Program& program, QTreeWidget* tree, const QString& iconsFolder,
                 QObject* parent = nullptr);

    // The whole tree anew; nothing selected. A new race opens its category.
    void show(const TreeItems& items, bool openCategories = false);
    // After a dialog rewrote what a branch shows (a category's participants, qualifying or
    // finals item): the branch as the working race file now holds it.
    void rebuildBranch(int branchCode);
    void rebuildBranch(const TreeItems& branch);
    // A heat's or final's image once its results are stored or cleared.
    void setRunImage(int code, bool stored);

    // The code of the item selected now; the header's when nothing is selected. Only the
    // director selects: the item the tree makes current when it takes the focus is not.
    int selectedCode() const;
    QTreeWidgetItem* itemOf(int code) const;
    static int codeOf(const QTreeWidgetItem* item);

    // The context menu of the selected item, as a right click shows it.
    QMenu* buildContextMenu();
    // A context command (1053 to 1059) becomes available and runs `run` once its menu closed.
    // Commands without one are shown disabled.
    void setCommand(int command, std::function<void()> run);

Q_SIGNALS:
    // The selection reached an item: a heat loaded, or a dialog for the window to open.
    void selected(const racedesk::TreeSelection& selection);
    // The board was emptied (a category opened or closed).
    void runUnloaded();

private:
    std::map<int, std::function<void()>> commands_;
    void onSelectionChanged();
    void onExpandedOrCollapsed(QTreeWidgetItem* item);
    void showContextMenu(const QPoint& pos);
    void appendCategory();
    void startRenaming();
    QTreeWidgetItem* makeItem(const TreeItem& item) const;
    // Adds the items of `items` under `parent` (the top level when null).
    void addItems(const TreeItems& items, QTreeWidgetItem* parent);

    Program& program_;
    QTreeWidget* tree_;
    QVector<QIcon> icons_;
    bool quiet_ = false; // the program itself is changing the tree: no notification
    int leaving_ = 0;    // the code of the item selected last, which a new selection leaves
};

} // namespace racedesk
