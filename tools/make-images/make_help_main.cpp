// make-help GUIDE.html GUIDE.pdf PICTURE_DIR
// Turns one language's user guide into the PDF that the help command opens. Run on the
// offscreen platform: it needs fonts, not a display.

#include "help_document.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 4) {
        err << "usage: make-help GUIDE.html GUIDE.pdf PICTURE_DIR\n";
        return 2;
    }
    QString error;
    if (!makeimages::writeHelpPdf(args[1], args[2], args[3], error)) {
        err << "make-help: " << error << '\n';
        return 1;
    }
    return 0;
}
