#include "core/settings/band_fill.h"

#include "core/settings/display_settings.h"

namespace racedesk {

void fillBand(Canvas& canvas, const Rect& band, Colour top, Colour bottom) {
    if (top == bottom) {
        canvas.fillRect(band, top);
        return;
    }
    const int h = band.height();
    for (int y = 0; y < h; ++y)
        canvas.fillRect({band.left, band.top + y, band.right, band.top + y + 1},
                        bandColour(top, bottom, y, h));
}

} // namespace racedesk
