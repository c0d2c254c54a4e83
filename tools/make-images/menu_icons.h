#pragma once

#include <QPainter>

// The icons in front of the menu items, on a 32 x 32 grid.
namespace makeimages {

void drawNewRace(QPainter& p);
void drawSave(QPainter& p);
void drawQuit(QPainter& p);
void drawCircuits(QPainter& p);
void drawClubs(QPainter& p);
void drawDrivers(QPainter& p);
void drawFrequencies(QPainter& p);
void drawTransponders(QPainter& p);
void drawPlanning(QPainter& p);
void drawSounds(QPainter& p);
void drawDisplay(QPainter& p);
void drawInterface(QPainter& p);
void drawChecked(QPainter& p);

} // namespace makeimages
