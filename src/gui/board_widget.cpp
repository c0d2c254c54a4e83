#include "gui/board_widget.h"

#include "core/app/program.h"
#include "core/platform/screen.h"
#include "core/timing/board_painter.h"
#include "platform/qt_canvas.h"
#include "platform/qt_convert.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace racedesk {
BoardWidget::BoardWidget(Program& program, QString workingFolder, QWidget* parent)
    : QWidget(parent), program_(program), folder_(std::move(workingFolder)),
      scroll_(new QScrollBar(Qt::Vertical, this)) {
    setObjectName("board");
    setMouseTracking(true);
    scroll_->hide();
    connect(scroll_, &QScrollBar::valueChanged, this, &BoardWidget::scrolled);
}

void BoardWidget::relayout() {
    layout_ = layoutBoard(width(), height(), program_.display.columnWidths);
    const Rect& rows = layout_.rowsArea;
    scroll_->setGeometry(rows.right + 2, rows.top, 16, rows.height());
}

QRect BoardWidget::areaRect(int area) const {
    const BoardLayout& l = layout_;
    switch (BoardArea(area)) {
    case BoardArea::Rows:
        return toQRect(l.table).adjusted(-2, -2, 2, 2);
    case BoardArea::Clock:
        return toQRect(l.clockArea);
    case BoardArea::Countdown:
        return toQRect(l.countdownArea);
    case BoardArea::RestPeriod:
        return toQRect(l.restArea);
    case BoardArea::Header:
        return toQRect(l.runHeader);
    case BoardArea::Whole:
        break;
    }
    return rect();
}

void BoardWidget::resetScroll() {
    program_.board.firstVisibleRow = 0;
    scroll_->blockSignals(true);
    scroll_->setValue(0);
    scroll_->blockSignals(false);
    fitScrollRange();
}

void BoardWidget::fitScrollRange() {
    const int extra = std::max(0, program_.entryCount - layout_.rowsVisible);
    scroll_->blockSignals(true);
    scroll_->setRange(0, extra);
    scroll_->setPageStep(std::max(1, layout_.rowsVisible));
    scroll_->blockSignals(false);
    program_.board.firstVisibleRow = scroll_->value();
    scroll_->setVisible(extra > 0);
    update(areaRect(int(BoardArea::Rows)));
}

void BoardWidget::scrolled(int value) {
    program_.board.firstVisibleRow = value;
    Q_EMIT pressed();
    update(areaRect(int(BoardArea::Rows)));
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, layout_.board.left, height()),
                     toQColor(program_.display.colours[kWindowBackground]));
    QtCanvas canvas(painter, folder_);
    paintBoard(canvas, layout_, program_);
}

void BoardWidget::resizeEvent(QResizeEvent*) {
    relayout();
    fitScrollRange();
    Q_EMIT resized();
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const bool onBorder = columnBorderAt(layout_, p.x(), p.y()) >= 0;
    setCursor(onBorder || dragColumn_ >= 0 ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    Q_EMIT pressed();
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    dragColumn_ = columnBorderAt(layout_, p.x(), p.y());
    dragStartX_ = p.x();
    if (dragColumn_ < 0)
        Q_EMIT cellPressed(p, event->modifiers());
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int column = dragColumn_;
    dragColumn_ = -1;
    const QPoint p = event->position().toPoint();
    if (column < 0 || event->button() != Qt::LeftButton || p.y() < layout_.headerBand.top ||
        p.y() >= layout_.headerBand.bottom)
        return;
    int& w = program_.display.columnWidths[std::size_t(column)];
    w = draggedWidth(w, dragStartX_, p.x(), width());
    relayout();
    update();
}

} // namespace racedesk
