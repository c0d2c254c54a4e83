#pragma once
#include "core/common/texts.h"

namespace racedesk {

// The texts of the meeting's web pages and of their export. The pages are UTF-8, so they take
// their texts with textUtf8(WebText::...); the export's menu item and messages with tx().
enum class WebText {
    Language, // the page's lang attribute
    LiveBoard,
    Meeting,
    Categories,
    Participants,
    Qualifying,
    Round,
    Heat,
    RoundClassification,
    OverallClassification,
    Finals,
    ClosureReport,
    DetailedResults,
    NoResults,
    NoCategories,
    LapTimes,
    PassingTimes,
    Positions,
    // "Fichier > Exporter la course (web)"
    ItemExportWeb,
    ExportFolder,
    ExportReplace,
    ExportWriting,
    ExportDone,
    ExportCancelled,
    ExportFailed,
    Count
};

const char* textUtf8(WebText id);

} // namespace racedesk
