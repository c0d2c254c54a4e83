#pragma once
#include "core/timing/board_layout.h"

#include <QWidget>

class QScrollBar;

namespace racedesk {

struct Program;

// The main window's client area: it paints the live board and holds the child controls.
// It lets the director resize the board's columns by dragging their borders and scroll
// the rows.
class BoardWidget : public QWidget {
    Q_OBJECT
public:
    BoardWidget(Program& program, QString workingFolder, QWidget* parent = nullptr);

    const BoardLayout& layout() const { return layout_; }
    // Lays the board out again from the window size and the column widths.
    void relayout();
    // The repaint rectangle of an area of the board.
    QRect areaRect(int area) const;
    // Shows the scroll bar when the run has more drivers than rows visible, at the top.
    void resetScroll();
    // The scroll range follows the rows the board can show now, keeping the position.
    void fitScrollRange();
    QScrollBar* scrollBar() const { return scroll_; }

Q_SIGNALS:
    void resized();
    // A press on the board: controls placed over it are closed first.
    void pressed();
    // Then a left press away from the column borders, for what a click on a cell opens.
    void cellPressed(QPoint at, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void scrolled(int value);

    Program& program_;
    QString folder_;
    BoardLayout layout_;
    QScrollBar* scroll_;
    int dragColumn_ = -1;
    int dragStartX_ = 0;
};

} // namespace racedesk
