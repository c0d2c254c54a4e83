#include "gui/participants_look.h"

#include <QDialog>
#include <QDir>

namespace racedesk {

QString uiText(ParticipantsText id) {
    return QString::fromUtf8(textUtf8(id));
}

void setUpDialog(QDialog& dialog, ParticipantsText caption, int width, int height) {
    dialog.setWindowTitle(uiText(caption));
    dialog.setFixedSize(width, height);
    dialog.setFont(dialogFont());
}

QString workingFile(const std::string& workDir, const char* name) {
    return QDir(QString::fromStdString(workDir)).filePath(QString::fromUtf8(name));
}

} // namespace racedesk
