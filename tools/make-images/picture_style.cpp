#include "picture_style.h"

#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace makeimages {
namespace {

// Vertical shift of a rippled flag at x: one full wave over the flag's width.
qreal ripple(const QRectF& area, qreal wave, qreal x) {
    return wave * std::sin(2 * std::numbers::pi * (x - area.left()) / area.width());
}

// Points along the rippled line at height y, from x0 to x1, fine enough to look smooth.
void rippledEdge(QPolygonF& out, const QRectF& area, qreal wave, qreal y, qreal x0, qreal x1) {
    constexpr int kSteps = 6;
    for (int i = 0; i <= kSteps; ++i) {
        const qreal x = x0 + (x1 - x0) * i / kSteps;
        out << QPointF(x, y + ripple(area, wave, x));
    }
}

QPolygonF rippledCell(const QRectF& area, qreal wave, const QRectF& cell) {
    QPolygonF cellShape;
    rippledEdge(cellShape, area, wave, cell.top(), cell.left(), cell.right());
    rippledEdge(cellShape, area, wave, cell.bottom(), cell.right(), cell.left());
    return cellShape;
}

} // namespace

QPen roundPen(QRgb colour, qreal width) {
    return QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void useFill(QPainter& p, QRgb fill, QRgb edge, qreal edgeWidth) {
    p.setBrush(QColor(fill));
    if (edgeWidth > 0)
        p.setPen(QPen(QColor(edge), edgeWidth, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
}

void chequer(QPainter& p, const QRectF& area, int cols, int rows, QRgb dark, QRgb light,
             qreal wave) {
    const qreal w = area.width() / cols;
    const qreal h = area.height() / rows;
    p.setPen(Qt::NoPen);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const QRectF cell(area.left() + col * w, area.top() + row * h, w, h);
            p.setBrush(QColor((row + col) % 2 == 0 ? dark : light));
            if (wave == 0)
                p.drawRect(cell);
            else
                p.drawPolygon(rippledCell(area, wave, cell));
        }
    }
}

QPainterPath flagOutline(const QRectF& area, qreal wave) {
    QPainterPath path;
    path.addPolygon(rippledCell(area, wave, area));
    path.closeSubpath();
    return path;
}

void person(QPainter& p, qreal x, qreal y, qreal size, QRgb colour) {
    const qreal head = size * 0.26;
    useFill(p, colour);
    p.drawEllipse(QPointF(x, y), head, head);
    // Shoulders: the top half of an ellipse, starting a little below the head.
    const QRectF body(x - size / 2, y + head * 1.25, size, size * 0.9);
    QPainterPath shoulders;
    shoulders.moveTo(body.left(), body.center().y());
    shoulders.arcTo(body, 180, -180);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
}

} // namespace makeimages
