#pragma once
#include "core/platform/clock.h"
#include "core/platform/printer.h"
#include "core/reports/print_document.h"

#include <QString>

class QPrinter;
class QWidget;

namespace racedesk {

// Sets the printer up as every document wants it: the document's orientation, medium
// quality, one copy, the page range preset to 1 to 1.
void preparePrinter(QPrinter& printer, const PrintDocument& document);

// Draws every page of the document on a printer already chosen, under the document's job
// name. False when the document has no rows or the job could not start.
bool printPages(QPrinter& printer, const PrintDocument& document, const QString& workingFolder,
                const LocalDateTime& printedAt);

// Straight to a PDF file on A4 paper, without a dialog.
bool printToPdf(const PrintDocument& document, const QString& pdfFile, const QString& workingFolder,
                const LocalDateTime& printedAt);

// Prints through the print dialog, on the system's printers or to a PDF file.
class QtPrinter : public Printer {
public:
    // Bitmaps such as the logo are found in the working folder.
    QtPrinter(QWidget* parent, QString workingFolder, Clock& clock);
    void print(const PrintDocument& document) override;

private:
    QWidget* parent_;
    QString folder_;
    Clock& clock_;
};

} // namespace racedesk
