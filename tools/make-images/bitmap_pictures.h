#pragma once

#include <QPainter>

// The small bitmaps that the board and the dialogs draw as they are, each on the background
// it is shown on. Units are pixels of the bitmap.
namespace makeimages {

// 24 x 24: the finish flag of a finished row on the board.
void drawFinishFlag(QPainter& p);

// 24 x 24: the decoder indicator lights, lit green (connected) or red (not connected).
void drawGreenLight(QPainter& p);
void drawRedLight(QPainter& p);

// 24 x 24: step 1 to 4 of the scanning light, a blue glow growing from the centre.
void drawScanLight(QPainter& p, int step);

// 16 x 16: the arrows that move a row up or down in a painted table.
void drawArrowUp(QPainter& p);
void drawArrowDown(QPainter& p);

} // namespace makeimages
