#pragma once
#include "core/platform/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace racedesk {

// Draws core's pictures with a QPainter on a widget, an image or a printer.
class QtCanvas : public Canvas {
public:
    // Relative bitmap names are found in the working folder.
    QtCanvas(QPainter& painter, QString workingFolder);

    void setLogicalWindow(int width, int height) override;
    void fillRect(const Rect& r, Colour colour) override;
    void frameRect(const Rect& r, Colour pen, int penWidth, bool filled, Colour fill) override;
    void line(Point from, Point to, Colour pen, int penWidth, PenStyle style) override;
    void polyline(const Point* points, int count, Colour pen, int penWidth) override;
    void text(int x, int y, std::string_view text, const FontSpec& font, Colour colour, Align align,
              bool opaque, Colour background) override;
    int textWidth(std::string_view text, const FontSpec& font) override;
    void bitmap(const Rect& target, const char* file, bool crop) override;

private:
    struct MeasuredFont {
        QFont font;
        QFontMetrics metrics;
    };
    const QImage& image(const char* file);
    // Fonts and their metrics are made once per canvas: a board paint uses a handful of fonts
    // for some two hundred texts.
    const MeasuredFont& font(const FontSpec& fontSpec);

    QPainter& painter_;
    QString folder_;
    QRect device_;                  // where the logical window is mapped
    QHash<QString, QImage> images_; // loaded once per canvas, so once per paint
    QHash<QString, MeasuredFont> fonts_;
};

} // namespace racedesk
