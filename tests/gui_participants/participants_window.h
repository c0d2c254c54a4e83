#pragma once
#include "core/race/race_header.h"
#include "gui/gui_program.h"

#include <QString>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include <string>

namespace racedesk::test {

// The main window over a working race file that holds a new race; the tree shows the file.
class ParticipantsWindow : public ::testing::Test {
protected:
    void SetUp() override;

    std::string file() const;
    RaceHeader fileHeader() const;
    void useHeader(const RaceHeader& header);
    // The tree built again from the file, as a load would.
    void showFile();
    QTreeWidgetItem* item(int code) const;
    QStringList childTexts(int code) const;
    // The director selects the item (a participant opens its details at once).
    void select(int code);
    // The context command of the selected item, as its menu entry runs it.
    void runCommand(int command);

    GuiProgram g;
};

// The control of this identifier in a dialog.
template <typename Control> Control* control(QWidget& dialog, int id) {
    auto* found = dialog.findChild<Control*>(QString::number(id));
    EXPECT_NE(found, nullptr) << "no control " << id;
    return found;
}

} // namespace racedesk::test
