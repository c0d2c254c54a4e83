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
    case WebText::Results:
        return "Results";
    case WebText::DetailedResults:
        return "Detailed results";
    case WebText::NoResults:
        return "No results stored.";
    case WebText::NoCategories:
        return "No categories.";
    case WebText::Lap:
        return "Lap";
    case WebText::LapTimes:
        return "Lap times";
    case WebText::PassingTimes:
        return "Passing times";
    case WebText::Positions:
        return "Positions";
    case WebText::BackToMeeting:
        return "Back to the meeting";
    case WebText::BackToCategory:
        return "Back to the category";
    case WebText::ExportedOn:
        return "Exported on %s";
    case WebText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
