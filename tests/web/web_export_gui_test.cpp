// "Fichier > Exporter la course (web)" in the main window: the folder chooser, the pages
// written off the GUI thread while the window goes on, and the message that says where.
#include "core/common/text_file.h"
#include "core/databases/drivers.h"
#include "core/race/working_race_file.h"
#include "core/web/meeting_site.h"
#include "gui/gui_program.h"
#include "gui/web_export_wiring.h"
#include "support/meeting_with_results.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProgressDialog>
#include <QTest>

#include <filesystem>

#include <gtest/gtest.h>

namespace racedesk {
namespace {

// The window's working folder holds a whole meeting with results.
struct WebExportCommand : ::testing::Test {
    test::GuiProgram g;
    test::TempFolder out;

    void SetUp() override {
        test::TestProgram meeting;
        ASSERT_EQ(test::runWholeMeeting(meeting), "");
        for (const char* name : {kWorkingRaceFile, kDriversFile}) {
            std::string bytes;
            ASSERT_TRUE(readWholeFile(meeting.program.path(name), bytes));
            ASSERT_TRUE(replaceWholeFile(g.program.path(name), bytes));
        }
    }

    // Lets the window's event loop run until the export has said how it ended.
    void waitForMessage() {
        for (int i = 0; i < 1000 && g.dialogs.messages.empty(); ++i)
            QTest::qWait(20);
        QApplication::processEvents();
    }
};

TEST_F(WebExportCommand, writesEveryPageIntoTheChosenFolderAndSaysHowMany) {
    QAction* item = g.window->action(kCmdExportWeb);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QString::fromUtf8("Exporter la course (web)"));
    auto* menu = qobject_cast<QMenu*>(item->parent());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), g.window->action(1004)->parent()->property("title"));
    ASSERT_TRUE(item->isEnabled());

    const std::string folder = out.file("club site");
    g.dialogs.files = {folder};
    item->trigger();
    waitForMessage();
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    const auto& shown = g.dialogs.messages.front();
    const std::vector<std::string> paths = meetingPagePaths(MeetingSource{g.program.workDir});
    EXPECT_EQ(shown.text, "La course est export\xC3\xA9"
                          "e : " +
                              std::to_string(paths.size()) + " pages dans le dossier " + folder);
    EXPECT_EQ(shown.icon, Icon::Information);
    for (const std::string& path : paths)
        EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/" + exportFileName(path))) << path;
    EXPECT_TRUE(g.window->findChildren<QProgressDialog*>().isEmpty()) << "the progress is gone";
    EXPECT_TRUE(item->isEnabled()) << "ready for another export";

    // Again into the same folder: the director is asked first, and "Non" writes nothing.
    std::filesystem::remove(folder + "/category1.html");
    g.dialogs.files = {folder};
    g.dialogs.answers = {Answer::No};
    item->trigger();
    for (int i = 0; i < 10; ++i)
        QTest::qWait(10);
    EXPECT_EQ(g.dialogs.questions.size(), 1u);
    EXPECT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(folder + "/category1.html"));
}

TEST_F(WebExportCommand, aCancelledChooserWritesNothingAndARunLocksTheCommand) {
    g.dialogs.files.clear();
    g.window->action(kCmdExportWeb)->trigger();
    for (int i = 0; i < 10; ++i)
        QTest::qWait(10);
    EXPECT_TRUE(g.dialogs.messages.empty());
    EXPECT_EQ(g.dialogs.fileFilters.size(), 1u) << "the chooser was shown";
    EXPECT_TRUE(std::filesystem::is_empty(out.path()));

    g.window->setRunLocked(true);
    EXPECT_FALSE(g.window->action(kCmdExportWeb)->isEnabled());
    g.window->setRunLocked(false);
    EXPECT_TRUE(g.window->action(kCmdExportWeb)->isEnabled());
}

} // namespace
} // namespace racedesk
