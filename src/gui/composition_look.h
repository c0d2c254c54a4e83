#pragma once
#include "core/qualifying/composition_texts.h"

#include <QString>

namespace racedesk {

// The composition and grids dialogs' own texts, for their controls.
inline QString uiText(CompositionText id) {
    return QString::fromUtf8(textUtf8(id));
}

} // namespace racedesk
