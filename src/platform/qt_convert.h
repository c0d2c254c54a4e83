#pragma once
#include "core/platform/canvas.h"

#include <QColor>
#include <QRect>

namespace racedesk {

// Colours and rectangles cross the GUI boundary here: core keeps colours as the settings
// files store them and rectangles by their edges.
inline QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline Colour fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}
inline QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

} // namespace racedesk
