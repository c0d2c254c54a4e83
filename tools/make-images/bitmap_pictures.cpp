#include "bitmap_pictures.h"

#include "picture_style.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

namespace makeimages {
namespace {

const QPointF kLightCentre(12, 12);

// The three tones of a lamp: its hot centre, its body and its shaded rim.
struct LampTones {
    QRgb hot;
    QRgb body;
    QRgb rim;
};

constexpr LampTones kGreenLamp{qRgb(190, 255, 180), qRgb(46, 200, 80), qRgb(18, 110, 40)};
constexpr LampTones kRedLamp{qRgb(255, 196, 186), qRgb(232, 64, 58), qRgb(130, 22, 18)};
constexpr LampTones kDarkLamp{qRgb(104, 118, 138), qRgb(52, 63, 80), qRgb(26, 32, 42)};
constexpr LampTones kBlueGlow{qRgb(215, 245, 255), qRgb(60, 170, 255), qRgb(20, 90, 200)};

// The metal ring that holds the lamp, lit from above.
void drawBezel(QPainter& p) {
    QLinearGradient metal(0, 1, 0, 23);
    metal.setColorAt(0, QColor(176, 184, 194));
    metal.setColorAt(1, QColor(78, 86, 98));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawEllipse(kLightCentre, 11, 11);
}

void drawLamp(QPainter& p, const LampTones& tones, qreal radius) {
    QRadialGradient glow(kLightCentre, radius, QPointF(10.5, 10));
    glow.setColorAt(0, QColor(tones.hot));
    glow.setColorAt(0.55, QColor(tones.body));
    glow.setColorAt(1, QColor(tones.rim));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(kLightCentre, radius, radius);
}

// A soft reflection at the top left of the glass.
void drawShine(QPainter& p) {
    QLinearGradient shine(0, 5, 0, 11);
    shine.setColorAt(0, QColor(255, 255, 255, 170));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QRectF(7, 5, 9, 6));
}

void drawLight(QPainter& p, const LampTones& tones) {
    drawBezel(p);
    drawLamp(p, tones, 8.5);
    drawShine(p);
}

QPolygonF upArrow() {
    return QPolygonF(
        {{8, 2}, {14.5, 8.5}, {10.5, 8.5}, {10.5, 14}, {5.5, 14}, {5.5, 8.5}, {1.5, 8.5}});
}

} // namespace

void drawFinishFlag(QPainter& p) {
    // A round metal pole with a gold knob.
    QLinearGradient metal(2.5, 0, 5.5, 0);
    metal.setColorAt(0, QColor(palette::steel));
    metal.setColorAt(1, QColor(palette::ink));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(2.5, 3, 3, 19.5), 1, 1);
    useFill(p, palette::amber, palette::amberDark, 0.8);
    p.drawEllipse(QPointF(4, 2.6), 1.9, 1.9);
    // Pixel-aligned squares stay crisp at this size.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(5, 3, 17, 14), QColor(palette::ink));
    chequer(p, QRectF(6, 4, 15, 12), 5, 4, palette::ink, palette::paper);
}

void drawGreenLight(QPainter& p) {
    drawLight(p, kGreenLamp);
}

void drawRedLight(QPainter& p) {
    drawLight(p, kRedLamp);
}

void drawScanLight(QPainter& p, int step) {
    drawBezel(p);
    drawLamp(p, kDarkLamp, 8.5);
    const qreal radius = 2.0 + 6.5 * (step - 1) / 3.0;
    QRadialGradient glow(kLightCentre, radius);
    glow.setColorAt(0, QColor(kBlueGlow.hot));
    glow.setColorAt(0.6, QColor(kBlueGlow.body));
    glow.setColorAt(1, QColor(kBlueGlow.rim));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(kLightCentre, radius, radius);
    drawShine(p);
}

void drawArrowUp(QPainter& p) {
    QLinearGradient depth(0, 2, 0, 14);
    depth.setColorAt(0, QColor(palette::blue));
    depth.setColorAt(1, QColor(palette::blueDark));
    p.setPen(Qt::NoPen);
    p.setBrush(depth);
    p.drawPolygon(upArrow());
}

void drawArrowDown(QPainter& p) {
    p.translate(0, 16);
    p.scale(1, -1);
    drawArrowUp(p);
}

} // namespace makeimages
