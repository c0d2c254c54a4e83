#include "tree_icons.h"

#include "picture_style.h"

#include <QPainterPath>
#include <QPolygonF>

namespace makeimages {
namespace {

void drawPole(QPainter& p, QRgb colour) {
    p.fillRect(QRectF(2, 1, 1.5, 14), QColor(colour));
}

} // namespace

void drawTreeFolder(QPainter& p) {
    useFill(p, palette::amberDark);
    p.drawPolygon(QPolygonF({{1, 2.5}, {6, 2.5}, {7.5, 4}, {15, 4}, {15, 14}, {1, 14}}));
    useFill(p, palette::amber, palette::amberDark, 1);
    p.drawRect(QRectF(1.5, 6, 13, 7.5));
}

void drawTreeTrack(QPainter& p) {
    useFill(p, palette::greenLight, palette::ink, 2.2);
    p.drawRoundedRect(QRectF(2.1, 4, 11.8, 8), 3.8, 3.8);
    // The start line across the straight.
    p.fillRect(QRectF(7.4, 10.9, 1.2, 2.2), QColor(palette::paper));
}

void drawTreeParticipants(QPainter& p) {
    person(p, 10.8, 3.6, 7.5, palette::blueLight);
    p.setPen(QPen(QColor(palette::paper), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(6.2, 6), 2.4, 2.4);
    person(p, 6.2, 6, 9.2, palette::blue);
}

void drawTreeParameters(QPainter& p) {
    p.setPen(roundPen(palette::steel, 1.5));
    for (const qreal y : {3.5, 8.0, 12.5})
        p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
    useFill(p, palette::blue, palette::blueDark, 1);
    p.drawEllipse(QPointF(5, 3.5), 2, 2);
    p.drawEllipse(QPointF(11, 8), 2, 2);
    p.drawEllipse(QPointF(7, 12.5), 2, 2);
}

void drawTreeComposition(QPainter& p) {
    // Two heats of drivers, one under the other.
    const struct {
        qreal y;
        QRgb colour;
    } rows[] = {
        {2.5, palette::blue}, {6, palette::blue}, {10.5, palette::green}, {14, palette::green}};
    for (const auto& row : rows) {
        p.fillRect(QRectF(1, row.y - 1.25, 2.5, 2.5), QColor(row.colour));
        p.setPen(roundPen(palette::ink, 1.3));
        p.drawLine(QPointF(5.5, row.y), QPointF(14.5, row.y));
    }
    p.setPen(QPen(QColor(palette::steel), 1));
    p.drawLine(QPointF(0.5, 8.25), QPointF(15.5, 8.25));
}

void drawTreeCategory(QPainter& p) {
    useFill(p, palette::red, palette::redDark, 1);
    p.drawPolygon(QPolygonF(
        {{1, 11}, {1, 8.5}, {5, 7.3}, {7.3, 4.8}, {11, 4.8}, {13, 7.3}, {15, 8}, {15, 11}}));
    useFill(p, palette::blueLight);
    p.drawPolygon(QPolygonF({{8, 5.8}, {10.6, 5.8}, {12, 7.5}, {8, 7.5}}));
    useFill(p, palette::ink);
    p.drawEllipse(QPointF(4.6, 11.6), 2.4, 2.4);
    p.drawEllipse(QPointF(11.7, 11.6), 2.4, 2.4);
    useFill(p, palette::steel);
    p.drawEllipse(QPointF(4.6, 11.6), 0.9, 0.9);
    p.drawEllipse(QPointF(11.7, 11.6), 0.9, 0.9);
}

void drawTreeHeatEmpty(QPainter& p) {
    drawPole(p, palette::inkSoft);
    useFill(p, palette::paper, palette::steel, 1);
    p.drawRect(QRectF(4, 2, 10, 6.5));
}

void drawTreeHeatDone(QPainter& p) {
    drawPole(p, palette::ink);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRectF(3, 1, 12, 8), QColor(palette::ink));
    chequer(p, QRectF(4, 2, 10, 6), 5, 3, palette::ink, palette::paper);
    p.setRenderHint(QPainter::Antialiasing, true);
    useFill(p, palette::green, palette::paper, 1);
    p.drawEllipse(QPointF(11.8, 11.8), 3.7, 3.7);
    p.setPen(roundPen(palette::paper, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{10, 11.9}, {11.4, 13.3}, {13.7, 10.5}}));
}

void drawTreeClassification(QPainter& p) {
    useFill(p, palette::steel, palette::inkSoft, 1);
    p.drawRect(QRectF(1, 7.5, 4.5, 6.5));
    useFill(p, palette::bronze, palette::bronzeDark, 1);
    p.drawRect(QRectF(10.5, 10, 4.5, 4));
    useFill(p, palette::amber, palette::amberDark, 1);
    p.drawRect(QRectF(5.5, 3.5, 5, 10.5));
    p.setPen(QPen(QColor(palette::ink), 1.2));
    p.drawLine(QPointF(0.5, 14.6), QPointF(15.5, 14.6));
}

void drawTreeTrophy(QPainter& p) {
    p.setPen(roundPen(palette::amberDark, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(1.5, 3.2, 4, 4.2), 90 * 16, 180 * 16);
    p.drawArc(QRectF(10.5, 3.2, 4, 4.2), -90 * 16, 180 * 16);
    QPainterPath bowl;
    bowl.moveTo(4, 2);
    bowl.lineTo(12, 2);
    bowl.lineTo(12, 5.5);
    bowl.cubicTo(12, 8.5, 10, 10, 8, 10);
    bowl.cubicTo(6, 10, 4, 8.5, 4, 5.5);
    bowl.closeSubpath();
    useFill(p, palette::amber, palette::amberDark, 1);
    p.drawPath(bowl);
    p.fillRect(QRectF(7.2, 10, 1.6, 2.2), QColor(palette::amberDark));
    useFill(p, palette::amberDark);
    p.drawRoundedRect(QRectF(4.5, 12, 7, 2.8), 0.8, 0.8);
    p.setPen(roundPen(qRgb(255, 236, 180), 1));
    p.drawLine(QPointF(6, 3.8), QPointF(6, 6.2));
}

} // namespace makeimages
