#include "gui_databases/database_dialog_driver.h"

#include "core/common/cp1252.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace racedesk::test {
namespace {

template <typename T> T* typed(QWidget& dialog, int id) {
    auto* c = qobject_cast<T*>(controlOf(dialog, id));
    EXPECT_NE(c, nullptr) << "no control " << id << " of the expected kind";
    return c;
}

} // namespace

QWidget* controlOf(QWidget& dialog, int id) {
    return dialog.findChild<QWidget*>(QString::number(id));
}

void typeInto(QWidget& dialog, int id, const QString& text) {
    auto* edit = typed<QLineEdit>(dialog, id);
    if (edit == nullptr)
        return;
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text) {
        // QTest maps only ASCII characters to keys; other letters come as the text of a key.
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QString textOf(QWidget& dialog, int id) {
    auto* edit = typed<QLineEdit>(dialog, id);
    return edit != nullptr ? edit->text() : QString();
}

void addByButtons(QWidget& dialog, int listId, int newNameId, const QString& name) {
    typeInto(dialog, newNameId, name);
    if (auto* add = typed<QPushButton>(dialog, listId + 2))
        add->click();
}

void removeByButton(QWidget& dialog, int listId) {
    if (auto* remove = typed<QPushButton>(dialog, listId + 3))
        remove->click();
}

void selectRow(QWidget& dialog, int listId, int row) {
    if (auto* list = typed<QListWidget>(dialog, listId))
        list->setCurrentRow(row);
}

QStringList listedNames(QWidget& dialog, int listId) {
    QStringList names;
    if (auto* list = typed<QListWidget>(dialog, listId))
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
    return names;
}

int selectedRow(QWidget& dialog, int listId) {
    auto* list = typed<QListWidget>(dialog, listId);
    return list != nullptr ? list->currentRow() : -2;
}

QStringList shownIdentifier(QWidget& dialog, int listId) {
    return listedNames(dialog, listId + 1);
}

void choose(QWidget& dialog, int comboId, const QString& entry) {
    auto* box = typed<QComboBox>(dialog, comboId);
    if (box == nullptr)
        return;
    const int index = box->findText(entry);
    ASSERT_GE(index, 0) << "no entry " << entry.toStdString();
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

QString chosen(QWidget& dialog, int comboId) {
    auto* box = typed<QComboBox>(dialog, comboId);
    return box != nullptr ? box->currentText() : QString();
}

std::string cp(const char* utf8) {
    return utf8ToCp1252(utf8);
}

} // namespace racedesk::test
