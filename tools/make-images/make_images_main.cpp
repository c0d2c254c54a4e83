// make-images IMAGES_DIR ICONS_DIR
// Draws every picture of the program and writes the bitmaps into IMAGES_DIR and the icons
// into ICONS_DIR. Run on the offscreen platform: it needs fonts, not a display.

#include "picture_catalogue.h"
#include "picture_writer.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        err << "usage: make-images IMAGES_DIR ICONS_DIR\n";
        return 2;
    }
    for (const makeimages::Picture& picture : makeimages::allPictures()) {
        QString error;
        if (!makeimages::writePicture(picture, args[1], args[2], error)) {
            err << "make-images: " << error << '\n';
            return 1;
        }
    }
    return 0;
}
