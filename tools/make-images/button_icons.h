#pragma once

#include <QPainter>

// The icons of the main window's buttons, on a 32 x 32 grid.
namespace makeimages {

void drawStart(QPainter& p);
void drawStop(QPainter& p);
void drawClear(QPainter& p);
void drawResults(QPainter& p);
// Also the print bitmap of the dialogs.
void drawPrinter(QPainter& p);

} // namespace makeimages
