#include "core/reports/export_texts.h"

namespace racedesk {

const char* textUtf8(ExportText id) {
    switch (id) {
    case ExportText::Separator:
        return ";";
    case ExportText::DecimalMark:
        return ",";
    case ExportText::MillisecondsHeader:
        return "%s (ms)";
    case ExportText::RowNumberHeader:
        return "N°";
    case ExportText::Button:
        return "Exporter";
    case ExportText::DialogTitle:
        return "Exporter le tableau";
    case ExportText::FileFilter:
        return "Fichiers CSV (*.csv)";
    case ExportText::ErrWriteFile:
        return "Erreur: impossible d'écrire le fichier %s";
    case ExportText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
