#include "platform/qt_dialogs.h"

#include "platform/qt_text.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace racedesk {
namespace {

QMessageBox::Icon toQIcon(Icon icon) {
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQButtons(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return QMessageBox::Ok;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

void QtDialogs::message(const char* text, const char* caption, Icon icon) {
    const Pending m{toQString(text), toQString(caption), icon};
    if (inTick_)
        queue_.push_back(m);
    else
        show(m);
}

Answer QtDialogs::ask(const char* text, const char* caption, Buttons buttons, Icon icon) {
    QMessageBox box(toQIcon(icon), toQString(caption), toQString(text), toQButtons(buttons),
                    parent_);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

namespace {

QString filterOf(const char* description, const char* pattern) {
    return toQString(description) + " (" + QString::fromUtf8(pattern) + ")";
}

} // namespace

std::string QtDialogs::chooseSaveFile(const char* description, const char* pattern,
                                      const std::string& folder) {
    const QString start = QDir(QString::fromStdString(folder)).filePath(QString::fromUtf8(pattern));
    return QFileDialog::getSaveFileName(parent_, QString(), start, filterOf(description, pattern))
        .toStdString();
}

std::string QtDialogs::chooseOpenFile(const char* description, const char* pattern,
                                      const std::string& folder) {
    return QFileDialog::getOpenFileName(parent_, QString(), QString::fromStdString(folder),
                                        filterOf(description, pattern))
        .toStdString();
}

std::string QtDialogs::chooseFolder(const char* caption, const std::string& folder) {
    return QFileDialog::getExistingDirectory(parent_, toQString(caption),
                                             QString::fromStdString(folder))
        .toStdString();
}

void QtDialogs::endTick() {
    inTick_ = false;
    if (queue_.isEmpty() || showPosted_ || showing_)
        return;
    showPosted_ = true;
    QMetaObject::invokeMethod(
        &postedTo_, [this] { showQueued(); }, Qt::QueuedConnection);
}

void QtDialogs::showQueued() {
    showPosted_ = false;
    showing_ = true;
    while (!queue_.isEmpty())
        show(queue_.takeFirst());
    showing_ = false;
}

void QtDialogs::show(const Pending& m) {
    QMessageBox box(toQIcon(m.icon), m.caption, m.text, QMessageBox::Ok, parent_);
    box.exec();
}

} // namespace racedesk
