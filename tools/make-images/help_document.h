#pragma once

#include <QString>

namespace makeimages {

// Lays out an HTML user guide on A4 pages, with page numbers, and writes it as a PDF whose
// text a reader can search and copy. Pictures named in the HTML are taken relative to
// 'pictureDir'; a picture that cannot be loaded is an error, not a blank in the guide.
bool writeHelpPdf(const QString& htmlFile, const QString& pdfFile, const QString& pictureDir,
                  QString& error);

} // namespace makeimages
