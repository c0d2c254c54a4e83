#pragma once
#include "core/common/texts.h"
#include "core/platform/canvas.h"
#include "platform/qt_convert.h"

#include <QFont>
#include <QRect>
#include <QString>

class QCheckBox;
class QDialog;
class QGroupBox;
class QIcon;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace racedesk {

// The look the settings dialogs share: controls in Arial 16 pixels, titles and group boxes
// in its bold (700) variant. Controls stand at fixed client pixels, as the board's settings
// refer to them, and each control with an identifier carries it as its object name.

QFont dialogFont(bool bold = false);
QString uiText(Text id);
// A message for a multi-line edit: the texts end their lines with CR LF.
QString editText(Text id);

// The caption and the fixed client size.
void setUpDialog(QDialog& dialog, Text caption, int width, int height);
// The same for a caption of a subsystem's table. Never narrower than its caption needs.
void setUpDialog(QDialog& dialog, const QString& caption, int width, int height);
// A one-line label shows its whole text: its font steps down until the text fits its width,
// and the text is its tooltip too.
void shrinkToFit(QLabel* label);
// A field that shows without taking input looks it: on the dialog's own grey, not white.
void setReadOnlyLook(QLineEdit* edit, bool readOnly);
// Gives a control its identifier (0 for none), its place and the dialog font.
QWidget* place(QWidget* control, int id, const QRect& where, bool bold = false);

QLabel* addTitle(QWidget& parent, int id, Text text, const QRect& where);
QLabel* addLabel(QWidget& parent, Text text, const QRect& where);
// A group box is a frame drawn behind its controls, which are the dialog's own; it lets
// clicks through to what the dialog paints inside it.
QGroupBox* addGroup(QWidget& parent, int id, Text text, const QRect& where);
QPushButton* addButton(QWidget& parent, int id, const QString& text, const QRect& where);
QPushButton* addButton(QWidget& parent, int id, Text text, const QRect& where);
QRadioButton* addRadio(QWidget& parent, int id, Text text, const QRect& where);
QCheckBox* addCheck(QWidget& parent, int id, Text text, const QRect& where);

// The picture of every print button: "images/impression.bmp" of the working folder.
QIcon printIcon(const QString& workingFolder);
// A print button that shows only that picture, with "Imprimer" as its tooltip.
QPushButton* addPrintButton(QWidget& parent, int id, const QString& workingFolder,
                            const QRect& where);

} // namespace racedesk
