#pragma once
#include "core/platform/canvas.h"

#include <QString>
#include <QWidget>

#include <functional>

namespace racedesk {

// A transparent layer over a dialog's client area on which core paints through a Canvas, in
// the dialog's client pixels. Controls made after it stand above it; a left click elsewhere
// on it is handed on, when the panel has a use for clicks.
class PaintedPanel : public QWidget {
public:
    using Paint = std::function<void(Canvas&)>;
    using LeftClick = std::function<void(int x, int y)>;

    // Bitmaps with relative names are found in the working folder.
    PaintedPanel(QWidget& dialog, QString workingFolder, Paint paint, LeftClick click = {});

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString folder_;
    Paint paint_;
    LeftClick click_;
};

} // namespace racedesk
