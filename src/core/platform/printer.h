#pragma once
#include "core/reports/print_document.h"

namespace racedesk {

// Prints a document: the platform asks the user for a printer, then draws the pages on it.
// Cancelling prints nothing, and so does a document without rows.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void print(const PrintDocument& document) = 0;
};

} // namespace racedesk
