#include "gui/comment_dialog.h"

#include "core/race/transfer_files.h"
#include "gui/modal_driver.h"
#include "gui_program.h"

#include <QPlainTextEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

using test::GuiProgram;

TEST(CommentDialog, validateStoresTheConditionAndCommentEchapRestoresThem) {
    GuiProgram g;
    g.program.loaded.condition = "Pluie";
    g.program.loaded.comment = "gusty wind";
    test::whenDialogWith("6404", [](QWidget& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>("6402")->isChecked());
        auto* edit = d.findChild<QPlainTextEdit*>("6404");
        EXPECT_EQ(edit->toPlainText(), "gusty wind");
        d.findChild<QRadioButton*>("6403")->click();
        edit->setPlainText(QString(120, 'x'));
        test::clickButton(d, "2");
    });
    runCommentDialog(g.program, g.window.get());
    EXPECT_EQ(g.program.loaded.condition.view(), "Pluie");
    EXPECT_EQ(g.program.loaded.comment.view(), "gusty wind");

    test::whenDialogWith("6404", [](QWidget& d) {
        d.findChild<QRadioButton*>("6403")->click();
        d.findChild<QPlainTextEdit*>("6404")->setPlainText(QString(120, 'x'));
        test::clickButton(d, "1");
    });
    runCommentDialog(g.program, g.window.get());
    EXPECT_EQ(g.program.loaded.condition.view(), "Glace");
    EXPECT_EQ(g.program.loaded.comment.view(), std::string(98, 'x')) << "98 characters at most";
    EXPECT_EQ(g.folder.read("CommentaireSerie.res"), "Glace\t" + std::string(98, 'x') + "\t\r\n");
    EXPECT_TRUE(g.dialogs.messages.empty());
}

} // namespace
} // namespace racedesk
