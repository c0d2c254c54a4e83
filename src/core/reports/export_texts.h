#pragma once
#include "core/common/texts.h"

namespace racedesk {

// The texts of the spreadsheet export, and the conventions of a spreadsheet in the program's
// language: French spreadsheets split fields on ";" because "," is their decimal mark.
enum class ExportText {
    Separator,
    DecimalMark,
    MillisecondsHeader, // "%s (ms)": the header of a time in milliseconds
    RowNumberHeader,
    Button,
    DialogTitle,
    FileFilter,
    ErrWriteFile, // the file's name
    Count
};

const char* textUtf8(ExportText id);

} // namespace racedesk
