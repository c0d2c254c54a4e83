#pragma once
#include "core/common/texts.h"

namespace racedesk {

// The texts of the meeting's web pages. They go into UTF-8 pages, so the pages take them with
// textUtf8(WebText::...) rather than tx().
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
    Results,
    DetailedResults,
    NoResults,
    NoCategories,
    Lap,
    LapTimes,
    PassingTimes,
    Positions,
    BackToMeeting,
    BackToCategory,
    ExportedOn,
    Count
};

const char* textUtf8(WebText id);

} // namespace racedesk
