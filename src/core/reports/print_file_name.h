#pragma once
#include "core/reports/print_document.h"
#include "core/reports/print_file_texts.h"

#include <string>
#include <string_view>

namespace racedesk {

// The PDF file the print dialog proposes for a document, in Windows-1252: its title and its
// category ("Classement Manche1 - Tourisme.pdf"), without the characters a file name cannot
// hold on any system.
std::string proposedPdfName(const PrintDocument& document);
// The same name for the document's table exported for a spreadsheet.
std::string proposedCsvName(const PrintDocument& document);

// A printout's file title from its pattern and the number or name it holds.
std::string printFileTitle(PrintFileText pattern, int number);
std::string printFileTitle(PrintFileText pattern, std::string_view name);

} // namespace racedesk
