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

    // Settings dialogs, more
    DisplayColourPicker,
    DisplayFontPicker,
    DisplayFontColour,

    // Race lifecycle
    RaceFileFilter,
    ErrRaceNotSaved,
    WindowTitleFile,

    // Main window
    WindowTitle,
    LanguageCode,
    CaptionAttention,
    MenuFile,
    MenuDatabase,
    MenuPlanning,
    MenuSettings,
    MenuHelp,
    ItemNewRace,
    ItemLoadRace,
    ItemSave,
    ItemSaveAs,
    ItemQuit,
    ItemCircuits,
    ItemClubs,
    ItemDrivers,
    ItemTransponders,
    ItemFrequencies,
    ItemPlanQualifying,
    ItemPlanFinals,
    ItemSounds,
    ItemDisplay,
    ItemInterface,
    ItemHelp,
    ItemModifyResults,
    ItemDetailedResults,
    ItemHeatComment,
    ItemTrack,
    ItemNewCategory,
    ItemRenameCategory,
    ItemParticipants,
    ItemQualifyingParameters,
    ItemQualifyingArrangement,
    ItemFinalsParameters,
    ItemFinalsArrangement,
    ItemShowReport,
    ButtonStart,
    LabelStart,
    ButtonStop,
    LabelStop,
    ButtonClear,
    LabelClear,
    ButtonResults,
    ButtonPrint,
    GroupClock,
    GroupCountdown,
    GroupTransponderMode,
    RadioPersonalChips,
    RadioClubChips,
    RadioMixedScan,
    ListTransponderPacks,
    ButtonScan,
    RunInProgressNoQuit,
    QuitQuestion,
    HelpFile,
    ErrTranspondersDatabase,
    ErrDisplaySettings,
    AlreadyRunning,
    ErrWorkingFolder,
    HeadingPos,
    HeadingCar,
    HeadingName,
    HeadingLaps,
    HeadingTotal,
    HeadingGapLeader,
    HeadingGapPrevious,
    HeadingLastLap,
    HeadingBestLap,
    HeadingTransponder,
    HeadingFinish,

    // Interface dialog
    InterfaceCaption,
    InterfaceTitle,
    InterfaceMessagesGroup,
    InterfaceDecoderGroup,
    InterfaceKt1,
    InterfaceKt2,
    InterfacePortGroup,
    InterfaceOpen,
    ButtonOk,
    ButtonCancel,
    InterfaceKt1Ready,
    InterfaceKt2Ready,
    InterfacePortNotOpen,
    InterfaceAttempt,
    InterfaceKt1Opened,
    InterfaceKt2Opened,
    InterfaceOpenFailed,
    ErrInterfaceDialogFile,

    // Sounds dialog
    SoundsTitle,
    SoundsEnglish,
    SoundsFrench,
    SoundsStartGroup,
    SoundsCountdown,
    SoundsStartSignal,
    SoundsRaceGroup,
    SoundsPassing,
    SoundsBestLap,
    SoundsRaceClock,
    SoundsEndGroup,
    SoundsEndSignal,
    SoundsEndPerCar,
    ErrSoundSettingsWrite,

    // Display dialog
    DisplayCaption,
    DisplayTitle,
    DisplayThemeGroup,
    DisplayEventsGroup,
    DisplayTableGroup,
    DisplayWindowBackground,
    DisplayTreeBackground,
    DisplayBoardBackground,
    DisplayHeatTitle,
    DisplayRadioConflict,
    DisplayCarPassing,
    DisplayRunBest,
    DisplayDriverBest,
    DisplayHeaderBand,
    DisplayResultRows,
    DisplayColumn,
    DisplayWidth,
    DisplayRelief,
    DisplayGradient,
    DisplayLoad,
    DisplaySave,
    DisplayFileFilter,
    ErrDisplayFile,

    // Race file
    ErrRaceFile,
    ErrTitleHeatFlags,
    ErrTitleQualifyingHeat,
    ErrTitleFinalsRun,
    ErrTitleTrack,
    ErrTitleParticipants,
    ErrTitleQualifyingArrangement,
    ErrTitleStartingGrids,
    ErrTitleQualifyingParameters,
    ErrTitleRoundClassification,
    ErrTitleOverallClassification,
    ErrTitleFinalsParameters,
    ErrTitleFinalsArrangement,

    Count
};

// The text in UTF-8, as the language library defines it.
const char* textUtf8(Text id);

// The text in Windows-1252, as core strings hold it. Converted once, at first use.
const char* tx(Text id);

// Converts the whole table now, so that no later call allocates.
void loadTexts();

} // namespace racedesk
