#include "platform/qt_canvas.h"

#include "platform/qt_convert.h"
#include "platform/qt_text.h"

#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <utility>

namespace racedesk {
namespace {

QFont toQFont(const FontSpec& fontSpec) {
    QFont font(toQString(fontSpec.face.view()));
    font.setPixelSize(std::max(1, fontSpec.height));
    font.setWeight(
        QFont::Weight(std::clamp(fontSpec.weight <= 0 ? 400 : fontSpec.weight, 100, 900)));
    font.setItalic(fontSpec.italic);
    font.setUnderline(fontSpec.underline);
    font.setStrikeOut(fontSpec.strikeOut);
    return font;
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter, QString workingFolder)
    : painter_(painter), folder_(std::move(workingFolder)), device_(painter.viewport()) {}

void QtCanvas::setLogicalWindow(int width, int height) {
    // Isotropic: one logical unit has the same size both ways, origin at the top left. Always
    // mapped onto the painter's first viewport, so that each page of a print job can set it.
    const double scale =
        std::min(double(device_.width()) / width, double(device_.height()) / height);
    painter_.setWindow(0, 0, width, height);
    painter_.setViewport(device_.left(), device_.top(), int(width * scale), int(height * scale));
}

void QtCanvas::fillRect(const Rect& r, Colour colour) {
    painter_.fillRect(toQRect(r), toQColor(colour));
}

void QtCanvas::frameRect(const Rect& r, Colour pen, int penWidth, bool filled, Colour fill) {
    painter_.save();
    painter_.setPen(QPen(toQColor(pen), penWidth));
    painter_.setBrush(filled ? QBrush(toQColor(fill)) : Qt::NoBrush);
    // The outline stays inside the rectangle, whatever the pen's width.
    const qreal half = penWidth / 2.0;
    painter_.drawRect(
        QRectF(r.left + half, r.top + half, r.width() - penWidth, r.height() - penWidth));
    painter_.restore();
}

void QtCanvas::line(Point from, Point to, Colour pen, int penWidth, PenStyle style) {
    painter_.save();
    painter_.setPen(
        QPen(toQColor(pen), penWidth, style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine));
    painter_.drawLine(from.x, from.y, to.x, to.y);
    painter_.restore();
}

void QtCanvas::polyline(const Point* points, int count, Colour pen, int penWidth) {
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    painter_.save();
    painter_.setPen(QPen(toQColor(pen), penWidth));
    painter_.drawPolyline(polygon);
    painter_.restore();
}

void QtCanvas::text(int x, int y, std::string_view text, const FontSpec& font, Colour colour,
                    Align align, bool opaque, Colour background) {
    const QString s = toQString(text);
    const MeasuredFont& f = this->font(font);
    const int w = f.metrics.horizontalAdvance(s);
    int left = x;
    if (align == Align::Centre)
        left = x - w / 2;
    else if (align == Align::Right)
        left = x - w;
    if (opaque)
        painter_.fillRect(QRect(left, y, w, f.metrics.height()), toQColor(background));
    painter_.setFont(f.font);
    painter_.setPen(toQColor(colour));
    painter_.drawText(QPoint(left, y + f.metrics.ascent()), s);
}

int QtCanvas::textWidth(std::string_view text, const FontSpec& font) {
    return this->font(font).metrics.horizontalAdvance(toQString(text));
}

const QtCanvas::MeasuredFont& QtCanvas::font(const FontSpec& fontSpec) {
    const QString key = QString("%1/%2/%3/%4%5%6")
                            .arg(toQString(fontSpec.face.view()))
                            .arg(fontSpec.height)
                            .arg(fontSpec.weight)
                            .arg(int(fontSpec.italic))
                            .arg(int(fontSpec.underline))
                            .arg(int(fontSpec.strikeOut));
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        const QFont f = toQFont(fontSpec);
        it = fonts_.insert(key, MeasuredFont{f, QFontMetrics(f, painter_.device())});
    }
    return *it;
}

const QImage& QtCanvas::image(const char* file) {
    const QString name = QString::fromUtf8(file);
    auto it = images_.find(name);
    if (it == images_.end()) {
        const QString path = QDir::isAbsolutePath(name) ? name : QDir(folder_).filePath(name);
        it = images_.insert(name, QImage(path));
    }
    return *it;
}

void QtCanvas::bitmap(const Rect& target, const char* file, bool crop) {
    const QImage& img = image(file);
    if (img.isNull())
        return;
    if (!crop) {
        painter_.drawImage(toQRect(target), img);
        return;
    }
    // The top-left part, one pixel to a unit: a smaller bitmap leaves the rest of the target
    // as it was.
    const QRect part(0, 0, std::min(img.width(), target.width()),
                     std::min(img.height(), target.height()));
    painter_.drawImage(QRect(QPoint(target.left, target.top), part.size()), img, part);
}

} // namespace racedesk
