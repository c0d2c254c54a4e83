#pragma once
#include "core/platform/clock.h"
#include "core/qualifying/classification_tables.h"
#include "core/qualifying/classification_texts.h"
#include "core/reports/print_document.h"
#include "gui/dialog_look.h"

#include <QString>

#include <functional>
#include <vector>

class QDialog;
class QLabel;
class QPushButton;
class QScrollBar;

namespace racedesk {

// What the two classification dialogs share: their texts, the print button, the table's
// scroll bar, "Valider" and "Annuler".

QString uiText(ClassificationText id);

template <typename Control>
Control* addControl(QWidget& parent, int id, ClassificationText text, const QRect& where,
                    bool bold = false) {
    auto* control = new Control(uiText(text), &parent);
    place(control, id, where, bold);
    return control;
}

// Beside the rows of `table`, shown only when more than 20 rows are listed; `scrolled` gets the
// first row to show.
QScrollBar* addTableScrollBar(QWidget& parent, int id, const ScreenTable& table, int rows,
                              std::function<void(int firstRow)> scrolled);

// "Valider" (1) at `where` runs `confirm` and closes the dialog; "Annuler" (2) stands beside it.
// Once a final has results, "Valider" and every `editable` control are disabled and "Annuler"
// is the default button.
void addClassificationButtons(QDialog& dialog, const QRect& where, std::vector<QWidget*> editable,
                              bool readOnly, std::function<void()> confirm);

// Through the print dialog, when the list has rows.
void printClassification(QWidget& parent, const QString& workingFolder, Clock& clock,
                         const PrintDocument& document);

} // namespace racedesk
