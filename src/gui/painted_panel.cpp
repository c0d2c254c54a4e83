#include "gui/painted_panel.h"

#include "platform/qt_canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace racedesk {

PaintedPanel::PaintedPanel(QWidget& dialog, QString workingFolder, Paint paint, LeftClick click)
    : QWidget(&dialog), folder_(std::move(workingFolder)), paint_(std::move(paint)),
      click_(std::move(click)) {
    setObjectName("painted");
    setGeometry(dialog.rect());
    if (!click_)
        setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PaintedPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter, folder_);
    paint_(canvas);
}

void PaintedPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !click_) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    click_(at.x(), at.y());
}

} // namespace racedesk
