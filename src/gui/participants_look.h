#pragma once
#include "core/race/participants_texts.h"
#include "gui/dialog_look.h"

#include <QString>

class QPushButton;

namespace racedesk {

// What the track, participants list and driver details dialogs share beyond the dialogs' look:
// their own texts.

QString uiText(ParticipantsText id);
// The caption and the fixed client size.
void setUpDialog(QDialog& dialog, ParticipantsText caption, int width, int height);

template <typename Control>
Control* addControl(QWidget& parent, int id, ParticipantsText text, const QRect& where,
                    bool bold = false) {
    auto* control = new Control(uiText(text), &parent);
    place(control, id, where, bold);
    return control;
}

} // namespace racedesk
