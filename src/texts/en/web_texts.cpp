#include "core/web/web_texts.h"

namespace racedesk {

// English build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(WebText id) {
    switch (id) {
    case WebText::Language:
        return "en";
    case WebText::LiveBoard:
        return "Live board";
    case WebText::Meeting:
        return "Meeting";
    case WebText::Categories:
        return "Categories";
    case WebText::Participants:
        return "Drivers";
    case WebText::Qualifying:
        return "Qualifying";
    case WebText::Round:
        return "Round %d";
    case WebText::Heat:
        return "Heat %d";
    case WebText::RoundClassification:
        return "Round %d classification";
    case WebText::OverallClassification:
        return "Overall qualifying classification";
    case WebText::Finals:
        return "Finals";
    case WebText::ClosureReport:
        return "Closure report";
    case WebText::DetailedResults:
        return "Detailed results";
    case WebText::NoResults:
        return "No results stored.";
    case WebText::NoCategories:
        return "No categories.";
    case WebText::LapTimes:
        return "Lap times";
    case WebText::PassingTimes:
        return "Passing times";
    case WebText::Positions:
        return "Positions";
    case WebText::ItemExportWeb:
        return "Export the meeting (web)";
    case WebText::ExportFolder:
        return "Folder to write the meeting's pages into";
    case WebText::ExportReplace:
        return "The folder %s already holds %d of the files of the export, %s among them.\nReplace "
               "them?";
    case WebText::ExportWriting:
        return "Writing the meeting's pages...";
    case WebText::ExportDone:
        return "The meeting is exported: %d pages in the folder %s";
    case WebText::ExportCancelled:
        return "Export stopped: %d of %d pages written in the folder %s";
    case WebText::ExportFailed:
        return "Error: cannot write the file %s; %d of %d pages written";
    case WebText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
