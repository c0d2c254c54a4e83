#include "gui/participants_look.h"

#include <QDialog>

namespace racedesk {

QString uiText(ParticipantsText id) {
    return QString::fromUtf8(textUtf8(id));
}

void setUpDialog(QDialog& dialog, ParticipantsText caption, int width, int height) {
    dialog.setWindowTitle(uiText(caption));
    dialog.setFixedSize(width, height);
    dialog.setFont(dialogFont());
}

} // namespace racedesk
