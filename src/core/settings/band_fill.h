#pragma once
#include "core/platform/canvas.h"

namespace racedesk {

// Fills a band pixel row by pixel row from its top colour to its bottom colour with the band
// rule of the display settings; a band of one colour is filled solid, in one go.
void fillBand(Canvas& canvas, const Rect& band, Colour top, Colour bottom);

} // namespace racedesk
