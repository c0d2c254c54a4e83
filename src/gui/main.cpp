#include "core/app/working_folder.h"
#include "core/common/cp1252.h"
#include "core/common/texts.h"
#include "gui/application.h"
#include "gui/qt_translations.h"
#include "platform/qt_text.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QMessageBox>

#include <cstdio>

using namespace racedesk;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    installQtTranslations(app);
    const AppPaths paths = defaultAppPaths();
    QDir().mkpath(paths.working);

    // Two copies on one working folder would each wipe the other's working race file.
    QLockFile lock(QDir(paths.working).filePath(".racedesk.lock"));
    if (!lock.tryLock(200)) {
        char text[1200];
        std::snprintf(text, sizeof text, tx(Text::AlreadyRunning),
                      fromQString(paths.working).c_str());
        QMessageBox::critical(nullptr, toQString(tx(Text::WindowTitle)), toQString(text));
        return 1;
    }

    const SpokenLanguage language = std::string_view(textUtf8(Text::LanguageCode)) == "en"
                                        ? SpokenLanguage::English
                                        : SpokenLanguage::French;
    const InstallReport installed =
        installShippedDefaults(paths.share.toStdString(), paths.working.toStdString(), language);
    if (!installed.ok()) {
        std::string names;
        for (const InstallProblem& problem : installed.problems)
            names += problem.name + "\n";
        char text[4096];
        std::snprintf(text, sizeof text, tx(Text::ErrWorkingFolder), utf8ToCp1252(names).c_str());
        QMessageBox::warning(nullptr, toQString(tx(Text::CaptionError)), toQString(text));
    }

    Application racedesk(paths);
    racedesk.start();
    return app.exec();
}
