#pragma once
#include "core/qualifying/qualifying_texts.h"
#include "core/qualifying/typed_number.h"
#include "gui/dialog_look.h"

#include <QGroupBox>
#include <QString>

#include <functional>
#include <string_view>

class QLineEdit;

namespace racedesk {

// The qualifying dialogs' controls in the settings dialogs' look, with their own texts.

QString uiText(QualifyingText id);

// A label, radio button, check box or group box with its text, identifier and place.
template <typename Control>
Control* addControl(QWidget& parent, int id, QualifyingText text, const QRect& where,
                    bool bold = false) {
    auto* control = new Control(uiText(text), &parent);
    place(control, id, where, bold);
    return control;
}

// A group box is a frame drawn behind its controls, which are the dialog's own.
QGroupBox* addFrame(QWidget& parent, int id, QualifyingText text, const QRect& where);

// An edit of digits at most `field.digits` long showing `value`. Every change goes through
// `type`; when the value was brought down to the field's top the edit shows it at once.
QLineEdit* addNumberEdit(QWidget& parent, int id, const QRect& where, const NumberField& field,
                         int value, std::function<TypedNumber(std::string_view)> type);

// A read-only edit showing a result.
QLineEdit* addShownEdit(QWidget& parent, int id, const QRect& where, bool bold = false);

} // namespace racedesk
