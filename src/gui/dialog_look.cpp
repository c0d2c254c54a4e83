#include "gui/dialog_look.h"

#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>

namespace racedesk {
namespace {

constexpr int kPrintIconSide = 32;
// The title bar's icon and its close, minimise and maximise buttons.
constexpr int kTitleBarControls = 110;
constexpr int kSmallestPixelSize = 9;

} // namespace

QFont dialogFont(bool bold) {
    QFont font("Arial");
    font.setPixelSize(16);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QString uiText(Text id) {
    return QString::fromUtf8(textUtf8(id));
}

QString editText(Text id) {
    return uiText(id).replace("\r\n", "\n");
}

void setUpDialog(QDialog& dialog, Text caption, int width, int height) {
    setUpDialog(dialog, uiText(caption), width, height);
}

void setUpDialog(QDialog& dialog, const QString& caption, int width, int height) {
    dialog.setWindowTitle(caption);
    // Wide enough for its whole caption, in the bold face title bars use.
    const int captionWidth = QFontMetrics(dialogFont(true)).horizontalAdvance(caption);
    dialog.setFixedSize(std::max(width, captionWidth + kTitleBarControls), height);
    dialog.setFont(dialogFont());
}

void shrinkToFit(QLabel* label) {
    QFont font = label->font();
    while (font.pixelSize() > kSmallestPixelSize &&
           QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
        font.setPixelSize(font.pixelSize() - 1);
    label->setFont(font);
    label->setToolTip(label->text());
}

void setReadOnlyLook(QLineEdit* edit, bool readOnly) {
    edit->setReadOnly(readOnly);
    QPalette palette = edit->palette();
    const QPalette standard = edit->style()->standardPalette();
    palette.setColor(QPalette::Base,
                     readOnly ? standard.color(QPalette::Window) : standard.color(QPalette::Base));
    edit->setPalette(palette);
}

QWidget* place(QWidget* control, int id, const QRect& where, bool bold) {
    if (id != 0)
        control->setObjectName(QString::number(id));
    control->setGeometry(where);
    control->setFont(dialogFont(bold));
    return control;
}

QLabel* addTitle(QWidget& parent, int id, Text text, const QRect& where) {
    auto* label = new QLabel(uiText(text), &parent);
    place(label, id, where, true);
    return label;
}

QLabel* addLabel(QWidget& parent, Text text, const QRect& where) {
    auto* label = new QLabel(uiText(text), &parent);
    place(label, 0, where);
    return label;
}

QGroupBox* addGroup(QWidget& parent, int id, Text text, const QRect& where) {
    auto* group = new QGroupBox(uiText(text), &parent);
    place(group, id, where, true);
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    return group;
}

QPushButton* addButton(QWidget& parent, int id, const QString& text, const QRect& where) {
    auto* button = new QPushButton(text, &parent);
    place(button, id, where);
    return button;
}

QPushButton* addButton(QWidget& parent, int id, Text text, const QRect& where) {
    return addButton(parent, id, uiText(text), where);
}

QRadioButton* addRadio(QWidget& parent, int id, Text text, const QRect& where) {
    auto* radio = new QRadioButton(uiText(text), &parent);
    place(radio, id, where);
    return radio;
}

QCheckBox* addCheck(QWidget& parent, int id, Text text, const QRect& where) {
    auto* check = new QCheckBox(uiText(text), &parent);
    place(check, id, where);
    return check;
}

QIcon printIcon(const QString& workingFolder) {
    return QIcon(workingFolder + "/images/impression.bmp");
}

QPushButton* addPrintButton(QWidget& parent, int id, const QString& workingFolder,
                            const QRect& where) {
    auto* print = addButton(parent, id, QString(), where);
    print->setIcon(printIcon(workingFolder));
    print->setIconSize(QSize(kPrintIconSide, kPrintIconSide));
    print->setToolTip(uiText(Text::ButtonPrint));
    return print;
}

} // namespace racedesk
