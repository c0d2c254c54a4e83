#include "gui/application.h"

#include "core/app/interrupted_run.h"
#include "core/app/share_folder.h"
#include "core/app/startup.h"
#include "core/timing/link_supervision.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace racedesk {

AppPaths defaultAppPaths() {
    AppPaths paths;
    paths.share = QString::fromStdString(
        shareFolderFor(QCoreApplication::applicationDirPath().toStdString()));
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + "/.local/share";
    paths.working = QDir(data).filePath("Tarvolin Racedesk");
    return paths;
}

Application::Application(const AppPaths& paths, Dialogs* messages)
    : paths_(paths), serial_(paths.working.toStdString()), sound_(paths.working),
      program_(Platform{clock_, serial_, sound_, messages ? *messages : dialogs_, screen_},
               paths.working.toStdString()) {
    startUp(program_);
    window_ =
        std::make_unique<MainWindow>(program_, AppFolders{paths.working, paths.share + "/icons"});
    screen_.setTarget(window_.get());
    dialogs_.setParent(window_.get());
}

void Application::start() {
    window_->showMaximized();
    TreeItems tree;
    if (offerInterruptedRun(program_, tree))
        window_->showRace(tree);
    startDecoderLink(program_);
    window_->startTick();
}

} // namespace racedesk
