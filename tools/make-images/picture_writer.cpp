#include "picture_writer.h"

#include <QDir>
#include <QImageWriter>
#include <QPainter>

namespace makeimages {

QImage render(const Picture& picture) {
    QImage image(picture.size, QImage::Format_ARGB32_Premultiplied);
    const bool opaque = picture.folder == Folder::Images;
    image.fill(opaque ? QColor(picture.background) : QColor(Qt::transparent));
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    p.scale(qreal(picture.size.width()) / picture.grid.width(),
            qreal(picture.size.height()) / picture.grid.height());
    picture.draw(p);
    p.end();
    // Bitmaps are opaque, 24 bits a pixel as their files store them; icons keep their alpha.
    return opaque ? image.convertToFormat(QImage::Format_RGB888)
                  : image.convertToFormat(QImage::Format_ARGB32);
}

bool writePicture(const Picture& picture, const QString& imagesDir, const QString& iconsDir,
                  QString& error) {
    const bool bitmap = picture.folder == Folder::Images;
    const QString dir = bitmap ? imagesDir : iconsDir;
    if (!QDir().mkpath(dir)) {
        error = QStringLiteral("cannot create %1").arg(dir);
        return false;
    }
    QImageWriter writer(dir + '/' + QString::fromUtf8(picture.file), bitmap ? "bmp" : "png");
    if (!writer.write(render(picture))) {
        error = writer.fileName() + ": " + writer.errorString();
        return false;
    }
    return true;
}

} // namespace makeimages
