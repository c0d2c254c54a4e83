#include "gui/qt_translations.h"

#include "core/common/texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <string_view>

namespace racedesk {

QTranslator* installQtTranslations(QCoreApplication& app) {
    const std::string_view language = textUtf8(Text::LanguageCode);
    if (language == "en")
        return nullptr;
    auto* translator = new QTranslator(&app);
    // "qt_fr" gathers the translations of every Qt module the program uses.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QLocale locale(QString::fromUtf8(language.data(), qsizetype(language.size())));
    if (!translator->load(locale, "qt", "_", folder) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace racedesk
