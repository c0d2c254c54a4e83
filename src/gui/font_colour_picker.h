#pragma once
#include "core/platform/canvas.h"

#include <optional>

class QWidget;

namespace racedesk {

struct PickedFont {
    FontSpec font; // height in pixels
    Colour colour;
};

// The font picker of the display options. Qt's font dialog knows no text colour, so it is
// shown inside a picker of ours with a colour button beneath it ("fontPicker" and
// "fontColour" by object name, Ok and Echap as 1 and 2). Empty when cancelled.
std::optional<PickedFont> pickFontAndColour(const FontSpec& font, Colour colour, QWidget* parent);

} // namespace racedesk
