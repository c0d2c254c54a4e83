#include "core/app/working_folder.h"
#include "core/common/cp1252.h"
#include "core/common/texts.h"
#include "gui/application.h"
#include "gui/qt_translations.h"
#include "gui/start_check.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_text.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>

#include <cstdio>

using namespace racedesk;

namespace {

bool ownsWorkingFolder(QLockFile& lock, const AppPaths& paths, Dialogs& messages) {
    // Two copies on one working folder would each wipe the other's working race file.
    if (lock.tryLock(200))
        return true;
    char text[1200];
    std::snprintf(text, sizeof text, tx(Text::AlreadyRunning), fromQString(paths.working).c_str());
    messages.message(text, tx(Text::WindowTitle), Icon::Error);
    return false;
}

void completeWorkingFolder(const AppPaths& paths, Dialogs& messages) {
    const SpokenLanguage language = std::string_view(textUtf8(Text::LanguageCode)) == "en"
                                        ? SpokenLanguage::English
                                        : SpokenLanguage::French;
    const InstallReport installed =
        installShippedDefaults(paths.share.toStdString(), paths.working.toStdString(), language);
    if (installed.ok())
        return;
    std::string names;
    for (const InstallProblem& problem : installed.problems)
        names += problem.name + "\n";
    char text[4096];
    std::snprintf(text, sizeof text, tx(Text::ErrWorkingFolder), utf8ToCp1252(names).c_str());
    messages.message(text, tx(Text::CaptionError), Icon::Warning);
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer started;
    started.start();
    QApplication app(argc, argv);
    installQtTranslations(app);
    const bool checking = app.arguments().contains(kStartCheckOption);
    StartCheck check(started);
    QtDialogs boxes;
    Dialogs& messages = checking ? static_cast<Dialogs&>(check) : boxes;

    const AppPaths paths = defaultAppPaths();
    QDir().mkpath(paths.working);
    QLockFile lock(QDir(paths.working).filePath(".racedesk.lock"));
    if (!ownsWorkingFolder(lock, paths, messages))
        return 1;
    completeWorkingFolder(paths, messages);

    Application racedesk(paths, checking ? &check : nullptr);
    racedesk.start();
    if (checking)
        return check.finish(racedesk.window());
    return app.exec();
}
