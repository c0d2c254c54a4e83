#pragma once
#include "gui/painted_panel.h"

#include <functional>

namespace racedesk {

// A painted panel that follows the pointer, for what a view shows under it: each move over
// the panel, and the pointer leaving it, are handed on.
class PointerPanel : public PaintedPanel {
public:
    using Move = std::function<void(int x, int y)>;
    using Leave = std::function<void()>;

    PointerPanel(QWidget& dialog, QString workingFolder, Paint paint, Move move, Leave leave);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Move move_;
    Leave leave_;
};

} // namespace racedesk
