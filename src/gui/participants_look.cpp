#include "gui/participants_look.h"

#include <QDialog>

namespace racedesk {

QString uiText(ParticipantsText id) {
    return QString::fromUtf8(textUtf8(id));
}

void setUpDialog(QDialog& dialog, ParticipantsText caption, int width, int height) {
    setUpDialog(dialog, uiText(caption), width, height);
}

} // namespace racedesk
