#pragma once
#include "core/platform/canvas.h"
#include "core/platform/clock.h"
#include "core/reports/print_document.h"

#include <string>

namespace racedesk {

inline constexpr Colour kRowRuleGrey = rgb(150, 150, 150);

FontSpec printMainFont();  // titles, race line, headers, rows, page number
FontSpec printSmallFont(); // the date line

// "Edité le 03/03/2027 à 9:05", after the document's own prefix when it has one.
std::string printDateLine(const PrintDocument& document, const LocalDateTime& printedAt);

// Draws page 'page' (from 0) of the document in the logical units of its layout: the
// borders, the logo, the title block, the table with this page's rows, the page number and
// the date line of a job started at 'printedAt'.
void drawPage(Canvas& canvas, const PrintDocument& document, int page,
              const LocalDateTime& printedAt);

} // namespace racedesk
