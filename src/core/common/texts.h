#pragma once

namespace racedesk {

// Every user-visible text has an identifier. Two libraries define the table, one French
// and one English; the build links the same objects with one or the other.
// File names, keys and section titles are never translated and are not in this table.
enum class Text {
    CaptionError,
    CaptionMessage,
    CaptionTarvolin,

    // Decoder link
    ErrInterfaceFile,
    PortOpenFailed,
    LossReport,
    RecoverySucceeded,
    RecoveryFailed,

    // Run engine
    ClearQuestion,
    ErrDetailedResultsFile,
    ErrCircuitsDatabase,
    DurationLaps,
    RunHeader,
    RestBeforeStart,
    RestElapsed,
    KeyStartSignal,
    KeyStartStaggered,
    KeyStartFirstCar,
    KeyEndTimeSignal,
    KeyEndTimeFinishLap,
    KeyEndLapsSignal,
    KeyEndLapsFinishLap,
    KeyEndLapsAllLaps,

    // Sounds
    ErrSoundSettings,

    Count
};

// The text in UTF-8, as the language library defines it.
const char* textUtf8(Text id);

// The text in Windows-1252, as core strings hold it. Converted once, at first use.
const char* tx(Text id);

// Converts the whole table now, so that no later call allocates.
void loadTexts();

} // namespace racedesk
