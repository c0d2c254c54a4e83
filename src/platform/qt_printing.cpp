#include "platform/qt_printing.h"

#include "core/reports/print_file_name.h"
#include "core/reports/print_frame.h"
#include "platform/qt_canvas.h"
#include "platform/qt_text.h"

#include <QDir>
#include <QLineEdit>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <utility>

namespace racedesk {
namespace {

// Qt has no print-quality setting of its own: the resolution of the drawing is what stands
// for it, and 600 dots per inch is a printer's usual "normal" quality.
constexpr int kMediumQualityDpi = 600;
// A PDF has no hardware margins; these are a common printer's, so that the page looks the same.
constexpr qreal kPdfMarginMm = 5.0;

QPageLayout::Orientation pageOrientation(const PrintDocument& document) {
    return document.layout.orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                 : QPageLayout::Portrait;
}

// Qt's own print dialog proposes "print.pdf" in the home folder for every printout; its file
// field carries the object name "filename". A native dialog has no such field and keeps its
// own proposal.
void proposeFile(QPrintDialog& dialog, const QString& file) {
    if (auto* field = dialog.findChild<QLineEdit*>("filename"))
        field->setText(file);
}

} // namespace

void preparePrinter(QPrinter& printer, const PrintDocument& document) {
    printer.setPageOrientation(pageOrientation(document));
    printer.setResolution(kMediumQualityDpi);
    printer.setCopyCount(1);
    printer.setFromTo(1, 1);
}

bool printPages(QPrinter& printer, const PrintDocument& document, const QString& workingFolder,
                const LocalDateTime& printedAt) {
    const int pages = pageCount(document);
    if (pages == 0)
        return false;
    printer.setDocName(toQString(document.jobName));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // One canvas for the whole job: the logo is loaded once.
    QtCanvas canvas(painter, workingFolder);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        drawPage(canvas, document, page, printedAt);
    }
    return painter.end();
}

bool printToPdf(const PrintDocument& document, const QString& pdfFile, const QString& workingFolder,
                const LocalDateTime& printedAt) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                           QPageLayout::Millimeter);
    preparePrinter(printer, document);
    return printPages(printer, document, workingFolder, printedAt);
}

QtPrinter::QtPrinter(QWidget* parent, QString workingFolder, Clock& clock)
    : parent_(parent), folder_(std::move(workingFolder)), clock_(clock) {}

void QtPrinter::print(const PrintDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, document);
    QPrintDialog dialog(&printer, parent_);
    dialog.setMinMax(1, 1);
    proposeFile(dialog, QDir(folder_).filePath(toQString(proposedPdfName(document))));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printPages(printer, document, folder_, clock_.localNow());
}

} // namespace racedesk
