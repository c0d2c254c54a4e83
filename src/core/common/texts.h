#pragma once
#include <string>
#include <vector>

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
    InterruptedRunQuestion,
    ErrInterruptedRun,
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

    // Race tree
    TreeTrack,
    TreeParticipants,
    TreeQualifying,
    TreeParameters,
    TreeArrangement,
    TreeRound,
    TreeHeat,
    TreeClassifications,
    TreeRoundClassification,
    TreeOverallClassification,
    TreeFinals,
    TreeFinalA,
    TreeFinalB,
    TreeFinale,
    TreeClosureReport,
    NewRaceQuestion,
    LoadSaveQuestion,
    ErrRaceNotLoaded,

    // Printing
    PrintJobParticipants,
    PrintJobOverallClassification,
    PrintJobRoundClassification,
    PrintJobQualifyingHeats,
    PrintJobClosureReport,
    PrintJobRunResults,
    PrintJobRunSummary,
    PrintDateLine,
    PrintPageNumber,
    ParticipantsPrintTitle,
    ParticipantsPrintName,
    ParticipantsPrintLicence,
    ParticipantsPrintClub,

    // Databases
    DatabaseCircuitsCaption,
    DatabaseClubsCaption,
    DatabaseDriversCaption,
    DatabaseTranspondersCaption,
    DatabaseFrequenciesCaption,
    DatabaseCircuitsTitle,
    DatabaseClubsTitle,
    DatabaseDriversTitle,
    DatabaseTranspondersTitle,
    DatabaseFrequenciesTitle,
    DatabaseNew,
    DatabaseNewFrequency,
    DatabaseAdd,
    DatabaseRemove,
    DatabaseClear,
    DatabaseId,
    DatabaseCircuitsHeader,
    DatabaseClubsHeader,
    DatabaseDriversHeader,
    DatabaseFrequenciesHeader,
    DatabasePacksHeader,
    DatabaseLength,
    DatabaseMetres,
    DatabaseLapRecord,
    DatabaseRecordHolder,
    DatabaseProtectionTime,
    DatabaseSeconds,
    DatabaseTown,
    DatabaseAcronym,
    DatabaseAddress,
    DatabaseAddress2,
    DatabasePostcode,
    DatabaseCountry,
    DatabaseTelephone,
    DatabaseEmail,
    DatabaseLicence,
    DatabaseBirthDate,
    DatabaseTransponder,
    DatabaseClub,
    DatabasePackTransponder,
    DatabasePictureFilter,
    ErrClubsDatabase,
    ErrCountriesDatabase,
    ErrDriversDatabase,
    ErrFrequenciesDatabase,
    ErrFrequenciesDatabaseWrite,

    // Race lifecycle
    RaceFileFilter,
    ErrRaceNotSaved,
    WindowTitleFile,

    // Heat storage
    CommentCaption,
    CommentDry,
    CommentWet,
    CommentIce,
    CommentLabel,
    CommentValidate,
    ErrCommentFile,
    ErrDriverResultFile,
    RunTitleQualifying,
    CategoryTitle,
    QualifyingRunTitle,
    RaceLine,

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
    ScanStatusOff,
    ScanStatusScanning,
    ScanStatusChecking,
    ScanStatusCheckDone,
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
    InterfaceNoDevice,
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

// A subsystem may keep its texts in a table of its own: an enum class ending with Count, and
// a textUtf8 overload that each language library defines (src/texts/fr/, src/texts/en/), so
// the subsystems' tables are written side by side without touching one another.
std::string textToCp1252(const char* utf8);

// The text in Windows-1252, as core strings hold it. Each table is converted once, at the
// first use of one of its texts.
template <typename TextId> const char* tx(TextId id) {
    static const std::vector<std::string> table = [] {
        std::vector<std::string> t(static_cast<std::size_t>(TextId::Count));
        for (std::size_t i = 0; i < t.size(); ++i)
            t[i] = textToCp1252(textUtf8(static_cast<TextId>(i)));
        return t;
    }();
    return table[static_cast<std::size_t>(id)].c_str();
}

// Converts the main table now, so that nothing on the timing path allocates later.
void loadTexts();

} // namespace racedesk
