#include "gui/picture_area.h"

#include "core/app/program.h"
#include "core/common/cp1252.h"
#include "core/common/texts.h"
#include "platform/qt_canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace racedesk {

PictureArea::PictureArea(QWidget& dialog, QPoint at, QString workingFolder, Actions actions)
    : QWidget(&dialog), folder_(std::move(workingFolder)), actions_(std::move(actions)) {
    setObjectName("picture");
    setGeometry(at.x(), at.y(), kWidth, kHeight);
}

void PictureArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const std::string file = actions_.file();
    if (!file.empty()) {
        QtCanvas canvas(painter, folder_);
        canvas.bitmap(Rect{0, 0, kWidth, kHeight}, file.c_str(), false);
    }
    // The frame shows where to double-click while there is no picture.
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PictureArea::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        actions_.choose();
    else if (event->button() == Qt::RightButton)
        actions_.clear();
    update();
}

std::string pictureFile(std::string_view recordPath) {
    return cp1252ToUtf8(recordPath);
}

QString workingFolderOf(const Program& program) {
    return QString::fromStdString(program.workDir);
}

std::string choosePicture(Program& program) {
    const std::string chosen = program.io.dialogs.chooseOpenFile(tx(Text::DatabasePictureFilter),
                                                                 "*.bmp", program.workDir);
    return utf8ToCp1252(chosen);
}

} // namespace racedesk
