#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// The look shared by every picture: one palette and a few drawing habits (a flat fill with a
// darker edge of the same hue), so that the icons read as one set.
namespace makeimages {

namespace palette {
constexpr QRgb ink = qRgb(38, 48, 62);
constexpr QRgb inkSoft = qRgb(90, 103, 120);
constexpr QRgb steel = qRgb(158, 170, 183);
constexpr QRgb mist = qRgb(226, 231, 238);
constexpr QRgb paper = qRgb(255, 255, 255);
constexpr QRgb blue = qRgb(47, 123, 224);
constexpr QRgb blueDark = qRgb(27, 84, 166);
constexpr QRgb blueLight = qRgb(143, 188, 245);
constexpr QRgb green = qRgb(40, 170, 72);
constexpr QRgb greenDark = qRgb(25, 120, 50);
constexpr QRgb greenLight = qRgb(160, 216, 168);
constexpr QRgb red = qRgb(226, 66, 58);
constexpr QRgb redDark = qRgb(160, 38, 33);
constexpr QRgb amber = qRgb(245, 180, 60);
constexpr QRgb amberDark = qRgb(196, 132, 22);
constexpr QRgb bronze = qRgb(214, 140, 82);
constexpr QRgb bronzeDark = qRgb(160, 96, 48);
constexpr QRgb teal = qRgb(20, 160, 165);
// Backgrounds the program draws some bitmaps on, so that they blend in.
constexpr QRgb dialogGrey = qRgb(240, 240, 240);
constexpr QRgb tableRow = qRgb(255, 255, 200);
} // namespace palette

// A pen with round ends and joins, as every stroke of the set uses.
QPen roundPen(QRgb colour, qreal width);

// Fills with 'fill' and edges with 'edge' at the given width (no edge when width is 0).
void useFill(QPainter& p, QRgb fill, QRgb edge = 0, qreal edgeWidth = 0);

// A chequered area of cols x rows squares, the top-left one dark. With a wave, the top and
// bottom edges ripple by 'wave' units, as a flag in the wind.
void chequer(QPainter& p, const QRectF& area, int cols, int rows, QRgb dark, QRgb light,
             qreal wave = 0);

// The outline of a flag area rippled as chequer() ripples it.
QPainterPath flagOutline(const QRectF& area, qreal wave);

// A head and shoulders, the head's centre at (x, y) and 'size' the width of the shoulders.
void person(QPainter& p, qreal x, qreal y, qreal size, QRgb colour);

} // namespace makeimages
