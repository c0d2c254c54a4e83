#pragma once

#include <QPainter>

namespace makeimages {

// The program's mark, a chequered flag on a blue tile, on a 32 x 32 grid: the application
// icon and the left part of the logo.
void drawAppMark(QPainter& p);

// The logo "Tarvolin Racedesk", 200 x 50 pixels: the board shows it at the top left and
// printed pages copy it into their corner.
void drawLogo(QPainter& p);

} // namespace makeimages
