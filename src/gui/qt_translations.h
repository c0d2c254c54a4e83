#pragma once

class QCoreApplication;
class QTranslator;

namespace racedesk {

// Qt's own dialogs (the buttons of questions, the file, print, colour and font dialogs) speak
// the program's language: the French program loads Qt's French translations from where the
// system keeps them. Gives the translator installed on the application, which owns it, or
// nullptr when the program speaks English or the translations are not installed.
QTranslator* installQtTranslations(QCoreApplication& app);

} // namespace racedesk
