#include "core/reports/export_texts.h"

namespace racedesk {

const char* textUtf8(ExportText id) {
    switch (id) {
    case ExportText::Separator:
        return ",";
    case ExportText::DecimalMark:
        return ".";
    case ExportText::MillisecondsHeader:
        return "%s (ms)";
    case ExportText::RowNumberHeader:
        return "No.";
    case ExportText::Button:
        return "Export";
    case ExportText::DialogTitle:
        return "Export the table";
    case ExportText::FileFilter:
        return "CSV files (*.csv)";
    case ExportText::ErrWriteFile:
        return "Error: cannot write the file %s";
    case ExportText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
