#include "menu_icons.h"

#include "picture_style.h"

#include <QPainterPath>
#include <QPolygonF>

namespace makeimages {
namespace {

// Arcs spreading from a source at 'centre', each 'span' degrees wide around 'direction'
// (0 = to the right, counter-clockwise positive).
void drawWaves(QPainter& p, QPointF centre, std::initializer_list<qreal> radii, int direction,
               int span, QRgb colour) {
    p.setPen(roundPen(colour, 2.2));
    p.setBrush(Qt::NoBrush);
    for (const qreal r : radii) {
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        p.drawArc(box, (direction - span / 2) * 16, span * 16);
    }
}

// A round badge at the bottom right of an icon, rimmed in white to stand off what is under it.
void drawBadge(QPainter& p, QPointF centre, QRgb fill) {
    useFill(p, fill, palette::paper, 1.8);
    p.drawEllipse(centre, 7, 7);
}

} // namespace

void drawNewRace(QPainter& p) {
    QPainterPath page;
    page.moveTo(6, 3);
    page.lineTo(18, 3);
    page.lineTo(24, 9);
    page.lineTo(24, 29);
    page.lineTo(6, 29);
    page.closeSubpath();
    useFill(p, palette::paper, palette::ink, 1.5);
    p.drawPath(page);
    useFill(p, palette::mist, palette::ink, 1.2);
    p.drawPolygon(QPolygonF({{18, 3}, {18, 9}, {24, 9}}));
    chequer(p, QRectF(9, 8, 8, 6), 4, 3, palette::ink, palette::paper);
    p.setPen(roundPen(palette::steel, 1.4));
    p.drawLine(QPointF(9.5, 18), QPointF(20, 18));
    p.drawLine(QPointF(9.5, 22), QPointF(15, 22));
    drawBadge(p, QPointF(23.5, 23.5), palette::green);
    p.setPen(roundPen(palette::paper, 2));
    p.drawLine(QPointF(23.5, 19.8), QPointF(23.5, 27.2));
    p.drawLine(QPointF(19.8, 23.5), QPointF(27.2, 23.5));
}

void drawSave(QPainter& p) {
    QPainterPath disk;
    disk.moveTo(4, 6);
    disk.quadTo(4, 4, 6, 4);
    disk.lineTo(24, 4);
    disk.lineTo(28, 8);
    disk.lineTo(28, 26);
    disk.quadTo(28, 28, 26, 28);
    disk.lineTo(6, 28);
    disk.quadTo(4, 28, 4, 26);
    disk.closeSubpath();
    useFill(p, palette::blue, palette::blueDark, 1.5);
    p.drawPath(disk);
    // The metal shutter and the label.
    useFill(p, palette::mist, palette::blueDark, 1.2);
    p.drawRect(QRectF(10, 4, 12, 8));
    p.fillRect(QRectF(17.5, 5.5, 2.5, 5), QColor(palette::blueDark));
    useFill(p, palette::paper, palette::blueDark, 1.2);
    p.drawRoundedRect(QRectF(8, 16, 16, 12), 1, 1);
    p.setPen(roundPen(palette::steel, 1.2));
    p.drawLine(QPointF(11, 20), QPointF(21, 20));
    p.drawLine(QPointF(11, 23.5), QPointF(21, 23.5));
}

void drawQuit(QPainter& p) {
    // A door frame open on the right, the way out.
    useFill(p, palette::mist);
    p.drawRect(QRectF(5, 4, 13, 24));
    p.setPen(roundPen(palette::ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{18, 9}, {18, 4}, {5, 4}, {5, 28}, {18, 28}, {18, 23}}));
    useFill(p, palette::inkSoft, palette::ink, 1.2);
    p.drawPolygon(QPolygonF({{5, 4}, {13, 7}, {13, 31}, {5, 28}}));
    useFill(p, palette::amber);
    p.drawEllipse(QPointF(11, 17), 1.2, 1.2);
    // The arrow going out.
    p.setPen(roundPen(palette::red, 3));
    p.drawLine(QPointF(16, 16), QPointF(26, 16));
    useFill(p, palette::red, palette::red, 1);
    p.drawPolygon(QPolygonF({{30, 16}, {24, 10.5}, {24, 21.5}}));
}

void drawCircuits(QPainter& p) {
    const QRectF track(4, 7, 24, 18);
    useFill(p, palette::greenLight, palette::ink, 5);
    p.drawRoundedRect(track, 9, 9);
    QPen centreLine(QColor(palette::paper), 0.9, Qt::CustomDashLine, Qt::FlatCap);
    centreLine.setDashPattern({2.5, 2.5});
    p.setPen(centreLine);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(track, 9, 9);
    // The start and finish line across the straight.
    chequer(p, QRectF(13.5, 22.5, 3, 5), 2, 3, palette::paper, palette::ink);
    chequer(p, QRectF(16.5, 22.5, 1.5, 5), 1, 3, palette::ink, palette::paper);
}

void drawClubs(QPainter& p) {
    person(p, 8.5, 10, 11, palette::blueLight);
    person(p, 23.5, 10, 11, palette::blueLight);
    // The front one rimmed in white so that it stands before the others.
    p.setPen(QPen(QColor(palette::paper), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 13.5), 4.4, 4.4);
    p.drawRect(QRectF(7.5, 19.5, 17, 9));
    person(p, 16, 13.5, 16, palette::blue);
}

void drawDrivers(QPainter& p) {
    QPainterPath shell;
    shell.moveTo(4.5, 22);
    shell.cubicTo(3, 11, 10, 4, 17.5, 4);
    shell.cubicTo(25, 4, 29, 9.5, 29, 15.5);
    shell.lineTo(29, 22.5);
    shell.quadTo(29, 26, 25.5, 26);
    shell.lineTo(8, 26);
    shell.quadTo(5, 26, 4.5, 22);
    shell.closeSubpath();
    useFill(p, palette::red, palette::redDark, 1.5);
    p.drawPath(shell);
    // The racing stripe over the top.
    p.setPen(roundPen(palette::paper, 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath stripe;
    stripe.moveTo(7.5, 20);
    stripe.cubicTo(7, 12, 12, 7.5, 19, 7.5);
    p.drawPath(stripe);
    // The visor.
    QPainterPath visor;
    visor.moveTo(15.5, 12.5);
    visor.lineTo(29, 12.5);
    visor.lineTo(29, 19.5);
    visor.lineTo(18.5, 19.5);
    visor.quadTo(15.5, 19.5, 15.5, 16.5);
    visor.closeSubpath();
    useFill(p, palette::ink, palette::ink, 1);
    p.drawPath(visor);
    p.setPen(roundPen(palette::blueLight, 1.2));
    p.drawLine(QPointF(19, 14.8), QPointF(26, 14.8));
}

void drawFrequencies(QPainter& p) {
    const QPointF source(16, 12);
    p.setPen(roundPen(palette::ink, 2.2));
    p.drawLine(QPointF(16, 14), QPointF(16, 28.5));
    p.drawLine(QPointF(11.5, 28.5), QPointF(20.5, 28.5));
    useFill(p, palette::teal);
    p.drawEllipse(source, 2.8, 2.8);
    drawWaves(p, source, {6.5, 11.5}, 0, 80, palette::teal);
    drawWaves(p, source, {6.5, 11.5}, 180, 80, palette::teal);
}

void drawTransponders(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(palette::amberDark));
    for (int i = 0; i < 4; ++i) {
        const qreal at = 9 + 4.2 * i;
        p.drawRect(QRectF(at, 3.5, 2.2, 5));
        p.drawRect(QRectF(at, 23.5, 2.2, 5));
        p.drawRect(QRectF(3.5, at, 5, 2.2));
        p.drawRect(QRectF(23.5, at, 5, 2.2));
    }
    useFill(p, palette::ink, palette::ink, 1);
    p.drawRoundedRect(QRectF(7.5, 7.5, 17, 17), 2.5, 2.5);
    useFill(p, palette::inkSoft);
    p.drawRoundedRect(QRectF(11.5, 11.5, 9, 9), 1.5, 1.5);
    useFill(p, palette::green);
    p.drawEllipse(QPointF(10.5, 10.5), 1.3, 1.3);
}

void drawPlanning(QPainter& p) {
    useFill(p, palette::paper, palette::ink, 1.5);
    p.drawRoundedRect(QRectF(3, 6, 22, 21), 2, 2);
    useFill(p, palette::red, palette::ink, 1.5);
    p.drawRoundedRect(QRectF(3, 6, 22, 6), 2, 2);
    p.setPen(roundPen(palette::ink, 2));
    p.drawLine(QPointF(9, 3), QPointF(9, 8));
    p.drawLine(QPointF(19, 3), QPointF(19, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(palette::steel));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(6 + 4.5 * col, 14.5 + 3.8 * row, 2.5, 2.2));
    }
    drawBadge(p, QPointF(23.5, 23.5), palette::blue);
    p.setPen(roundPen(palette::paper, 1.6));
    p.drawLine(QPointF(23.5, 23.5), QPointF(23.5, 19.5));
    p.drawLine(QPointF(23.5, 23.5), QPointF(26.5, 24.8));
}

void drawSounds(QPainter& p) {
    useFill(p, palette::ink, palette::ink, 1.2);
    p.drawPolygon(QPolygonF({{3.5, 12}, {9.5, 12}, {17, 5}, {17, 27}, {9.5, 20}, {3.5, 20}}));
    drawWaves(p, QPointF(17, 16), {5.5, 10.5}, 0, 90, palette::blue);
}

void drawDisplay(QPainter& p) {
    useFill(p, palette::ink, palette::ink, 1);
    p.drawRoundedRect(QRectF(2.5, 4.5, 27, 19), 2, 2);
    p.fillRect(QRectF(4.5, 6.5, 23, 15), QColor(palette::paper));
    // A small results board on the screen.
    p.fillRect(QRectF(4.5, 6.5, 23, 3.5), QColor(palette::blue));
    p.fillRect(QRectF(6, 12, 3, 2.2), QColor(palette::amber));
    p.setPen(roundPen(palette::steel, 1.3));
    for (const qreal y : {13.1, 16.3, 19.3})
        p.drawLine(QPointF(11, y), QPointF(25, y));
    p.fillRect(QRectF(6, 15.2, 3, 2.2), QColor(palette::greenLight));
    useFill(p, palette::inkSoft);
    p.drawRect(QRectF(14, 23.5, 4, 3.5));
    useFill(p, palette::ink);
    p.drawRoundedRect(QRectF(9, 26.5, 14, 2.5), 1.2, 1.2);
}

void drawInterface(QPainter& p) {
    // A 9-pin serial connector seen from the front, on its mounting plate.
    useFill(p, palette::mist, palette::steel, 1.2);
    p.drawRoundedRect(QRectF(1.5, 9, 29, 14), 2.5, 2.5);
    useFill(p, palette::steel, palette::inkSoft, 1);
    p.drawEllipse(QPointF(4.6, 16), 1.9, 1.9);
    p.drawEllipse(QPointF(27.4, 16), 1.9, 1.9);
    useFill(p, palette::inkSoft, palette::ink, 1.2);
    p.drawPolygon(QPolygonF({{8, 10.5}, {24, 10.5}, {22.2, 21.5}, {9.8, 21.5}}));
    useFill(p, palette::ink);
    p.drawPolygon(QPolygonF({{9.6, 12}, {22.4, 12}, {21, 20}, {11, 20}}));
    useFill(p, palette::amber);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(11.6 + 2.2 * i, 14.4), 0.9, 0.9);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(12.7 + 2.2 * i, 17.6), 0.9, 0.9);
    // Its cable, leaving towards the decoder.
    p.setPen(roundPen(palette::blue, 2.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(16, 23);
    cable.cubicTo(16, 28, 22, 26, 27, 29.5);
    p.drawPath(cable);
}

void drawChecked(QPainter& p) {
    p.setPen(roundPen(palette::green, 4));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{6.5, 16.5}, {13, 23}, {26, 9}}));
}

} // namespace makeimages
