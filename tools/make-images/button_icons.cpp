#include "button_icons.h"

#include "picture_style.h"

#include <QFont>
#include <QPolygonF>

namespace makeimages {
namespace {

// A round button face: the colour of the action, a darker rim.
void drawDisc(QPainter& p, QRgb fill, QRgb edge) {
    useFill(p, fill, edge, 1.5);
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
}

// One step of the podium, with its place written on it.
void drawStep(QPainter& p, const QRectF& step, QRgb fill, QRgb edge, const char* place) {
    useFill(p, fill, edge, 1.2);
    p.drawRect(step);
    QFont font("Liberation Sans");
    font.setPixelSize(8);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(palette::paper));
    p.drawText(QRectF(step.left(), step.top() + 1, step.width(), 9), Qt::AlignCenter, place);
}

} // namespace

void drawStart(QPainter& p) {
    drawDisc(p, palette::green, palette::greenDark);
    useFill(p, palette::paper, palette::paper, 1.5);
    p.drawPolygon(QPolygonF({{12.5, 9.5}, {23, 16}, {12.5, 22.5}}));
}

void drawStop(QPainter& p) {
    drawDisc(p, palette::red, palette::redDark);
    useFill(p, palette::paper);
    p.drawRoundedRect(QRectF(10.5, 10.5, 11, 11), 1.5, 1.5);
}

void drawClear(QPainter& p) {
    // The sweep it leaves on the ground.
    p.setPen(roundPen(palette::steel, 1.6));
    p.drawLine(QPointF(4, 28.5), QPointF(16, 28.5));
    p.drawLine(QPointF(20, 28.5), QPointF(28, 28.5));

    p.save();
    p.translate(16.5, 15.5);
    p.rotate(-40);
    const QRectF body(-12, -6, 24, 12);
    useFill(p, palette::blue, palette::blueDark, 1.4);
    p.drawRoundedRect(body, 2.5, 2.5);
    // The rubber end, at the bottom left once turned.
    useFill(p, qRgb(244, 150, 150), palette::redDark, 1.4);
    p.drawRoundedRect(QRectF(body.left(), body.top(), 10, body.height()), 2.5, 2.5);
    p.setPen(roundPen(palette::paper, 1.2));
    p.drawLine(QPointF(1.5, -3), QPointF(9, -3));
    p.restore();
}

void drawResults(QPainter& p) {
    drawStep(p, QRectF(3, 15, 8.5, 13), palette::steel, palette::inkSoft, "2");
    drawStep(p, QRectF(20.5, 19, 8.5, 9), palette::bronze, palette::bronzeDark, "3");
    drawStep(p, QRectF(11.5, 9, 9, 19), palette::amber, palette::amberDark, "1");
    p.setPen(roundPen(palette::ink, 1.8));
    p.drawLine(QPointF(2, 28.5), QPointF(30, 28.5));
    // A star over the winner.
    useFill(p, palette::amber, palette::amberDark, 0.8);
    p.drawPolygon(QPolygonF({{16, 1.5},
                             {17.2, 4.3},
                             {20.2, 4.5},
                             {17.9, 6.4},
                             {18.6, 9.3},
                             {16, 7.7},
                             {13.4, 9.3},
                             {14.1, 6.4},
                             {11.8, 4.5},
                             {14.8, 4.3}}));
}

void drawPrinter(QPainter& p) {
    // The sheet waiting at the back.
    useFill(p, palette::paper, palette::ink, 1.4);
    p.drawRect(QRectF(9, 3.5, 14, 10));
    // The body.
    useFill(p, palette::inkSoft, palette::ink, 1.4);
    p.drawRoundedRect(QRectF(3.5, 11.5, 25, 12.5), 2.5, 2.5);
    p.fillRect(QRectF(5, 13, 22, 2.5), QColor(palette::steel));
    useFill(p, palette::green);
    p.drawEllipse(QPointF(24.5, 18.5), 1.6, 1.6);
    // The printed sheet coming out at the front.
    useFill(p, palette::paper, palette::ink, 1.4);
    p.drawRect(QRectF(9, 19.5, 14, 9.5));
    p.setPen(roundPen(palette::blue, 1.2));
    p.drawLine(QPointF(11.5, 23), QPointF(20.5, 23));
    p.drawLine(QPointF(11.5, 26), QPointF(17.5, 26));
}

} // namespace makeimages
