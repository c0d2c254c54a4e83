#pragma once
#include "core/finals/finals_texts.h"
#include "gui/dialog_look.h"

#include <QString>

namespace racedesk {

// The finals dialogs' controls in the settings dialogs' look, with their own texts.

QString uiText(FinalsText id);

// A label, radio button or group box with its text, identifier and place.
template <typename Control>
Control* addControl(QWidget& parent, int id, FinalsText text, const QRect& where,
                    bool bold = false) {
    auto* control = new Control(uiText(text), &parent);
    place(control, id, where, bold);
    return control;
}

} // namespace racedesk
