#pragma once
#include "core/platform/canvas.h"

#include <string_view>

namespace racedesk {

// The font with its height stepped down until 'text' is at most 'width' wide on this canvas,
// never below 'smallest': a text that must show whole in its box shrinks rather than spill.
FontSpec fittedFont(Canvas& canvas, std::string_view text, FontSpec font, int width,
                    int smallest = 8);

} // namespace racedesk
