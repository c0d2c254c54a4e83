#pragma once
#include "core/qualifying/classification_tables.h"
#include "core/qualifying/classification_texts.h"
#include "gui/dialog_look.h"

#include <QString>

#include <functional>

class QLabel;
class QPushButton;
class QScrollBar;

namespace racedesk {

// What the two classification dialogs share: their texts, the print button, the table's
// scroll bar.

QString uiText(ClassificationText id);

template <typename Control>
Control* addControl(QWidget& parent, int id, ClassificationText text, const QRect& where,
                    bool bold = false) {
    auto* control = new Control(uiText(text), &parent);
    place(control, id, where, bold);
    return control;
}

// The print button shows "images/impression.bmp" of the working folder.
QPushButton* addPrintButton(QWidget& parent, int id, const QString& workingFolder,
                            const QRect& where);

// Beside the rows of `table`, shown only when more than 20 rows are listed; `scrolled` gets the
// first row to show.
QScrollBar* addTableScrollBar(QWidget& parent, int id, const ScreenTable& table, int rows,
                              std::function<void(int firstRow)> scrolled);

} // namespace racedesk
