#pragma once
#include "core/reports/print_document.h"

#include <QRect>

#include <functional>

class QPushButton;
class QWidget;

namespace racedesk {

struct Program;

// Every export button, beside a print button, carries this identifier.
inline constexpr int kExportButtonId = 6001;

// Asks where to write the document's table for a spreadsheet, proposing the name of its PDF
// in the working folder, and writes it there; a file that cannot be written is reported.
void exportTable(QWidget* parent, Program& p, const PrintDocument& document);

// An "Exporter" button that exports the document 'document' makes when it is pressed, the
// same the print button beside it prints.
QPushButton* addExportButton(QWidget& parent, const QRect& where, Program& p,
                             std::function<PrintDocument()> document);

} // namespace racedesk
