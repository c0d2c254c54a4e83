#include "help_document.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

namespace makeimages {
namespace {

// Headings in the blue of the icons, a calm body face, tables with a light header row.
constexpr const char* kStyleSheet = R"(
h1 { font-size: 20pt; color: #1b54a6; margin-bottom: 6px; }
h2 { font-size: 14pt; color: #1b54a6; margin-top: 16px; margin-bottom: 4px; }
h3 { font-size: 11pt; color: #26303e; margin-top: 10px; margin-bottom: 2px; }
p, li { font-size: 10pt; }
th { background-color: #e2e7ee; text-align: left; }
.note { background-color: #fff8dc; }
code { font-family: "Liberation Mono"; font-size: 9pt; }
)";

// Names of every picture the document shows, as written in the HTML.
QStringList pictureNames(const QTextDocument& doc) {
    QStringList names;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                names << format.toImageFormat().name();
        }
    }
    return names;
}

// Hands the document every picture it shows. Printing lays out a copy of the document, which
// keeps the pictures handed over but would not find files by itself.
bool attachPictures(QTextDocument& doc, const QString& pictureDir, QString& error) {
    for (const QString& name : pictureNames(doc)) {
        const QString path = pictureDir + '/' + name;
        const QImage picture(path);
        if (picture.isNull()) {
            error = QStringLiteral("picture %1 cannot be loaded").arg(path);
            return false;
        }
        doc.addResource(QTextDocument::ImageResource, QUrl(name), picture);
    }
    return true;
}

bool readText(const QString& file, QString& text, QString& error) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        error = file + ": " + in.errorString();
        return false;
    }
    text = QString::fromUtf8(in.readAll());
    return true;
}

} // namespace

bool writeHelpPdf(const QString& htmlFile, const QString& pdfFile, const QString& pictureDir,
                  QString& error) {
    QString html;
    if (!readText(htmlFile, html, error))
        return false;

    QTextDocument doc;
    doc.setDefaultFont(QFont("Liberation Sans", 10));
    doc.setDefaultStyleSheet(kStyleSheet);
    doc.setHtml(html);
    if (!attachPictures(doc, pictureDir, error))
        return false;

    QPdfWriter writer(pdfFile);
    writer.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator("Tarvolin Racedesk");
    // The document adds margins of its own around each page and numbers the pages.
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}));
    doc.print(&writer);

    if (QFileInfo(pdfFile).size() == 0) {
        error = pdfFile + ": nothing written";
        return false;
    }
    return true;
}

} // namespace makeimages
