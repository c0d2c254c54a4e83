#include "gui/pointer_panel.h"

#include <QMouseEvent>

#include <utility>

namespace racedesk {

PointerPanel::PointerPanel(QWidget& dialog, QString workingFolder, Paint paint, Move move,
                           Leave leave)
    : PaintedPanel(dialog, std::move(workingFolder), std::move(paint)), move_(std::move(move)),
      leave_(std::move(leave)) {
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setMouseTracking(true);
}

void PointerPanel::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    move_(at.x(), at.y());
}

void PointerPanel::leaveEvent(QEvent*) {
    leave_();
}

} // namespace racedesk
