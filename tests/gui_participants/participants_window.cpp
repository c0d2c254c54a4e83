#include "participants_window.h"

#include "core/race/race_tree.h"
#include "core/race/working_race_file.h"
#include "gui/race_tree_view.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTreeWidgetItem>

#include <memory>

namespace racedesk::test {

void ParticipantsWindow::SetUp() {
    ASSERT_TRUE(createWorkingRaceFile(file()));
    showFile();
}

std::string ParticipantsWindow::file() const {
    return g.program.path(kWorkingRaceFile);
}

RaceHeader ParticipantsWindow::fileHeader() const {
    RaceHeader header;
    EXPECT_TRUE(readRaceHeader(file(), header));
    return header;
}

void ParticipantsWindow::useHeader(const RaceHeader& header) {
    ASSERT_EQ(writeRaceHeader(file(), header), WriteStatus::Written);
    showFile();
}

void ParticipantsWindow::showFile() {
    g.window->raceTree()->show(readRaceTree(g.program));
}

QTreeWidgetItem* ParticipantsWindow::item(int code) const {
    return g.window->raceTree()->itemOf(code);
}

QStringList ParticipantsWindow::childTexts(int code) const {
    QStringList texts;
    if (QTreeWidgetItem* parent = item(code)) {
        for (int i = 0; i < parent->childCount(); ++i)
            texts << parent->child(i)->text(0);
    }
    return texts;
}

void ParticipantsWindow::select(int code) {
    QTreeWidgetItem* target = item(code);
    ASSERT_NE(target, nullptr) << "no item " << code;
    target->treeWidget()->setCurrentItem(target);
    QApplication::processEvents();
}

void ParticipantsWindow::runCommand(int command) {
    std::unique_ptr<QMenu> menu(g.window->raceTree()->buildContextMenu());
    ASSERT_NE(menu, nullptr);
    QAction* entry = menu->findChild<QAction*>(QString::number(command));
    ASSERT_NE(entry, nullptr) << "no entry " << command;
    ASSERT_TRUE(entry->isEnabled());
    entry->trigger();
    QApplication::processEvents(); // the command runs once its menu has closed
}

} // namespace racedesk::test
