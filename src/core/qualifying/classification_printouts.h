#pragma once
#include "core/qualifying/classification_storage.h"
#include "core/reports/print_document.h"

namespace racedesk {

// The printed lists of the classifications, on the page frame. A category without
// participants gives a document without rows, which prints nothing.

// One row per driver of the round in classification order, up to the first place without a
// driver; dated after the ranking mode's keyword.
PrintDocument roundClassificationPrintout(const RoundClassificationState& state);
// One row per participant in overall order with his four best rounds and his best result;
// dated after the number of rounds counted.
PrintDocument overallClassificationPrintout(const OverallClassificationState& state);

} // namespace racedesk
