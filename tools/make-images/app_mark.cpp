#include "app_mark.h"

#include "picture_style.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>

namespace makeimages {
namespace {

constexpr const char* kFontFamily = "Liberation Sans";

QFont boldFont(qreal pixelSize, qreal letterSpacing = 0) {
    QFont font(kFontFamily);
    font.setPixelSize(static_cast<int>(pixelSize));
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    return font;
}

void drawTile(QPainter& p) {
    QLinearGradient sky(0, 1, 0, 31);
    sky.setColorAt(0, QColor(64, 146, 240));
    sky.setColorAt(1, QColor(palette::blueDark));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
}

void drawFlag(QPainter& p) {
    p.setPen(roundPen(palette::paper, 2.2));
    p.drawLine(QPointF(8.5, 7), QPointF(8.5, 26));
    const QRectF cloth(9.5, 7.5, 15.5, 11);
    constexpr qreal kWave = 1.3;
    // A white rim keeps the dark squares apart from the blue tile.
    p.setPen(QPen(QColor(palette::paper), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(palette::paper));
    p.drawPath(flagOutline(cloth, kWave));
    chequer(p, cloth, 4, 3, palette::ink, palette::paper, kWave);
}

void drawName(QPainter& p, qreal left) {
    p.setPen(QColor(palette::inkSoft));
    p.setFont(boldFont(9, 2.8));
    p.drawText(QPointF(left + 1, 16), "TARVOLIN");

    const QFont big = boldFont(28, -0.3);
    p.setFont(big);
    p.setPen(QColor(palette::ink));
    p.drawText(QPointF(left, 42), "Race");
    p.setPen(QColor(palette::blue));
    p.drawText(QPointF(left + QFontMetricsF(big).horizontalAdvance("Race"), 42), "desk");
}

} // namespace

void drawAppMark(QPainter& p) {
    drawTile(p);
    drawFlag(p);
}

void drawLogo(QPainter& p) {
    QLinearGradient light(0, 0, 0, 50);
    light.setColorAt(0, QColor(palette::paper));
    light.setColorAt(1, QColor(233, 239, 247));
    p.fillRect(QRectF(0, 0, 200, 50), light);
    // A thin racing stripe along the bottom edge.
    p.fillRect(QRectF(0, 47, 200, 3), QColor(palette::blue));
    p.fillRect(QRectF(0, 47, 48, 3), QColor(palette::red));

    p.save();
    p.translate(4, 4);
    p.scale(40.0 / 32, 40.0 / 32);
    drawAppMark(p);
    p.restore();

    drawName(p, 52);
}

} // namespace makeimages
