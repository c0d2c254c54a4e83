#include "core/platform/fitted_font.h"

namespace racedesk {

FontSpec fittedFont(Canvas& canvas, std::string_view text, FontSpec font, int width, int smallest) {
    while (font.height > smallest && canvas.textWidth(text, font) > width)
        --font.height;
    return font;
}

} // namespace racedesk
