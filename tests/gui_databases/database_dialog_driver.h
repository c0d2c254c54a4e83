#pragma once
#include <QString>
#include <QStringList>

#include <string>

class QWidget;

namespace racedesk::test {

// Acting on a database dialog as the user would, controls found by their identifier.

QWidget* controlOf(QWidget& dialog, int id);
// Replaces what the edit holds by typing 'text', key by key, so the dialog sees each change.
void typeInto(QWidget& dialog, int id, const QString& text);
QString textOf(QWidget& dialog, int id);
// The " Nouveau" field and "Ajouter" of the dialog whose names list is 'listId'.
void addByButtons(QWidget& dialog, int listId, int newNameId, const QString& name);
void removeByButton(QWidget& dialog, int listId);
void selectRow(QWidget& dialog, int listId, int row);
QStringList listedNames(QWidget& dialog, int listId);
int selectedRow(QWidget& dialog, int listId);
// What the identifier list beside the names shows.
QStringList shownIdentifier(QWidget& dialog, int listId);
// Chooses an entry of a drop-down list as a click on it would.
void choose(QWidget& dialog, int comboId, const QString& entry);
QString chosen(QWidget& dialog, int comboId);

// Text in the Windows-1252 bytes the files hold, from UTF-8 test text.
std::string cp(const char* utf8);

} // namespace racedesk::test
