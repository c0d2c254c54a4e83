#include "core/common/texts.h"

namespace racedesk {

// English build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(Text id) {
    switch (id) {
    case Text::CaptionError:
        return "Error";
    case Text::CaptionMessage:
        return "Message";
    case Text::CaptionTarvolin:
        return "Tarvolin";

    case Text::ErrInterfaceFile:
        return "Error: COM port file not found";
    case Text::PortOpenFailed:
        return "Could not open the COM port";
    case Text::LossReport:
        return "Failure of the decoder KT2 connection at %s.\n";
    case Text::RecoverySucceeded:
        return "Connection of the decoder KT2 restored at %s.";
    case Text::RecoveryFailed:
        return "Error : Connection not restored.";

    case Text::ClearQuestion:
        return "Are you sure you want to clear the results of the current run?\n"
               "The data will be definitively lost.";
    case Text::InterruptedRunQuestion:
        return "The heat %s was interrupted at %02d:%02d:%02d: resume it?";
    case Text::ErrInterruptedRun:
        return "Error: the interrupted heat could not be taken back from the file\n%s";
    case Text::ErrDetailedResultsFile:
        return "Error: Detailed results file not found";
    case Text::ErrCircuitsDatabase:
        return "Error: Circuits database file not found";
    case Text::DurationLaps:
        return "%d laps";
    case Text::RunHeader:
        return "Duration %s - %s - %s - Start %02u/%02u/%04u %u:%02u";
    case Text::RestBeforeStart:
        return "%d:%02d before start";
    case Text::RestElapsed:
        return "Rest period over";
    case Text::KeyStartSignal:
        return "STARTSoundSignal";
    case Text::KeyStartStaggered:
        return "STARTStaggered";
    case Text::KeyStartFirstCar:
        return "START1stCar";
    case Text::KeyEndTimeSignal:
        return "ENDSoundSignal";
    case Text::KeyEndTimeFinishLap:
        return "ENDCompleteCurrentLap";
    case Text::KeyEndLapsSignal:
        return "ENDSoundSignal";
    case Text::KeyEndLapsFinishLap:
        return "ENDCompleteCurrentLap";
    case Text::KeyEndLapsAllLaps:
        return "ENDCompleteAllLaps";

    case Text::ErrSoundSettings:
        return "Error: Sound settings file not found";

    // Settings dialogs, more
    case Text::DisplayColourPicker:
        return "Colour";
    case Text::DisplayFontPicker:
        return "Font";
    case Text::DisplayFontColour:
        return "Text colour...";

    // Race tree
    case Text::TreeTrack:
        return "Track";
    case Text::TreeParticipants:
        return "Drivers (%d)";
    case Text::TreeQualifying:
        return "Qualif";
    case Text::TreeParameters:
        return "Parameters";
    case Text::TreeArrangement:
        return "Arrangement";
    case Text::TreeRound:
        return "Round%d";
    case Text::TreeHeat:
        return "Heat%d";
    case Text::TreeClassifications:
        return "Classifications";
    case Text::TreeRoundClassification:
        return "Classification R%d";
    case Text::TreeOverallClassification:
        return "Overall classific.";
    case Text::TreeFinals:
        return "Finals";
    case Text::TreeFinalA:
        return "1/%dA";
    case Text::TreeFinalB:
        return "1/%dB";
    case Text::TreeFinale:
        return "Final";
    case Text::TreeClosureReport:
        return "xClosure report";
    case Text::NewRaceQuestion:
        return "You wish to begin a new race!\nDo you want to save the current one?";
    case Text::LoadSaveQuestion:
        return "Do you want to save the current race?";
    case Text::ErrRaceNotLoaded:
        return "Error: the race could not be loaded from the file\n%s";

    // Printing
    case Text::PrintJobParticipants:
        return "LIST OF DRIVERS : Printing...";
    case Text::PrintJobOverallClassification:
        return "CLASSIFICATION QUALIF : Printing...";
    case Text::PrintJobRoundClassification:
        return "CLASSIFICATION ROUND : Printing...";
    case Text::PrintJobQualifyingHeats:
        return "ARRANGEMENT QUALIF : Printing...";
    case Text::PrintJobClosureReport:
        return "CLOSURE REPORT : Printing...";
    case Text::PrintJobRunResults:
        return "RUN RESULTS : Printing...";
    case Text::PrintJobRunSummary:
        return "SUMMARY RUN : Printing...";
    case Text::PrintDateLine:
        return "Printed the %02u/%02u/%04u at %u:%02u";
    case Text::PrintPageNumber:
        return "Page %d /%d";
    case Text::ParticipantsPrintTitle:
        return "List of participants (%d drivers)";
    case Text::ParticipantsPrintName:
        return "Name";
    case Text::ParticipantsPrintLicence:
        return "Licence No.";
    case Text::ParticipantsPrintClub:
        return "Club";

    // Databases
    case Text::DatabaseCircuitsCaption:
        return "Circuits Database";
    case Text::DatabaseClubsCaption:
        return "Clubs Database";
    case Text::DatabaseDriversCaption:
        return "Drivers Database";
    case Text::DatabaseTranspondersCaption:
        return "Transponders Database";
    case Text::DatabaseFrequenciesCaption:
        return "Radio Frequencies Database";
    case Text::DatabaseCircuitsTitle:
        return "Database : List of circuits";
    case Text::DatabaseClubsTitle:
        return "Database : List of clubs";
    case Text::DatabaseDriversTitle:
        return "Database : List of drivers";
    case Text::DatabaseTranspondersTitle:
        return "Database : Transponders club";
    case Text::DatabaseFrequenciesTitle:
        return "Database : Frequencies available";
    case Text::DatabaseNew:
        return " New";
    case Text::DatabaseNewFrequency:
        return " New";
    case Text::DatabaseAdd:
        return "Add";
    case Text::DatabaseRemove:
        return "Remove";
    case Text::DatabaseClear:
        return "Clear";
    case Text::DatabaseId:
        return "ID";
    case Text::DatabaseCircuitsHeader:
        return "Circuits  (20 max)";
    case Text::DatabaseClubsHeader:
        return "Clubs  (100 max)";
    case Text::DatabaseDriversHeader:
        return "Drivers  (1000 max)";
    case Text::DatabaseFrequenciesHeader:
        return "Frequencies";
    case Text::DatabasePacksHeader:
        return "Sets of transponders";
    case Text::DatabaseLength:
        return "Lenght :";
    case Text::DatabaseMetres:
        return "m";
    case Text::DatabaseLapRecord:
        return "Record Laptime :";
    case Text::DatabaseRecordHolder:
        return "    by";
    case Text::DatabaseProtectionTime:
        return "Min. lap time :";
    case Text::DatabaseSeconds:
        return "s";
    case Text::DatabaseTown:
        return "Location :";
    case Text::DatabaseAcronym:
        return "Initials :";
    case Text::DatabaseAddress:
        return "Address :";
    case Text::DatabaseAddress2:
        return "(Address2)";
    case Text::DatabasePostcode:
        return "Zip code :";
    case Text::DatabaseCountry:
        return "Country :";
    case Text::DatabaseTelephone:
        return "Phone :";
    case Text::DatabaseEmail:
        return "Email :";
    case Text::DatabaseLicence:
        return "License Nr :";
    case Text::DatabaseBirthDate:
        return "Birthday :";
    case Text::DatabaseTransponder:
        return "Transpond. :";
    case Text::DatabaseClub:
        return "Club :";
    case Text::DatabasePackTransponder:
        return "transponder%d :";
    case Text::DatabasePictureFilter:
        return "Images";
    case Text::ErrClubsDatabase:
        return "Error: Clubs database file not found";
    case Text::ErrCountriesDatabase:
        return "Error: Countries database file not found";
    case Text::ErrDriversDatabase:
        return "Error: Drivers database file not found";
    case Text::ErrFrequenciesDatabase:
        return "Error: Frequencies database file not found";
    case Text::ErrFrequenciesDatabaseWrite:
        return "Error: Frequencies database file not found";

    // Race lifecycle
    case Text::RaceFileFilter:
        return "Race file";
    case Text::ErrRaceNotSaved:
        return "Error: the race could not be saved to the file\n%s";
    case Text::WindowTitleFile:
        return "Tarvolin:   %s";

    // Heat storage
    case Text::CommentCaption:
        return "Comment about the run";
    case Text::CommentDry:
        return "dry";
    case Text::CommentWet:
        return "wet";
    case Text::CommentIce:
        return "ice";
    case Text::CommentLabel:
        return "Comment:";
    case Text::CommentValidate:
        return "Enter";
    case Text::ErrCommentFile:
        return "Error: Comment file not found";
    case Text::ErrDriverResultFile:
        return "Error: Driver's detailed results file not found";
    case Text::RunTitleQualifying:
        return " %s - Round%d - Heat%d ";
    case Text::CategoryTitle:
        return "CATEGORY : %s";
    case Text::QualifyingRunTitle:
        return "Qualification : Round%d - Heat%d";
    case Text::RaceLine:
        return "Event : %s - %s";

    // Main window
    case Text::WindowTitle:
        return "Tarvolin";
    case Text::LanguageCode:
        return "en";
    case Text::CaptionAttention:
        return "Be careful";
    case Text::MenuFile:
        return "File";
    case Text::MenuDatabase:
        return "Database";
    case Text::MenuPlanning:
        return "Planning of race";
    case Text::MenuSettings:
        return "Settings";
    case Text::MenuHelp:
        return "?";
    case Text::ItemNewRace:
        return "New event";
    case Text::ItemLoadRace:
        return "Load event";
    case Text::ItemSave:
        return "Save";
    case Text::ItemSaveAs:
        return "Save as...";
    case Text::ItemQuit:
        return "Quit";
    case Text::ItemCircuits:
        return "Circuits";
    case Text::ItemClubs:
        return "Clubs";
    case Text::ItemDrivers:
        return "Drivers";
    case Text::ItemTransponders:
        return "Transponders";
    case Text::ItemFrequencies:
        return "Frequencies";
    case Text::ItemPlanQualifying:
        return "Planning qualification";
    case Text::ItemPlanFinals:
        return "Planning finals";
    case Text::ItemSounds:
        return "Sounds";
    case Text::ItemDisplay:
        return "Display";
    case Text::ItemInterface:
        return "Interface";
    case Text::ItemHelp:
        return "Help";
    case Text::ItemModifyResults:
        return "Modify run results";
    case Text::ItemDetailedResults:
        return "Run detailed results";
    case Text::ItemHeatComment:
        return "Add a comment";
    case Text::ItemTrack:
        return "Track for the race";
    case Text::ItemNewCategory:
        return "New category";
    case Text::ItemRenameCategory:
        return "Rename category";
    case Text::ItemParticipants:
        return "List of participants";
    case Text::ItemQualifyingParameters:
        return "Qualifying heats Parameters";
    case Text::ItemQualifyingArrangement:
        return "Qualifying heats Arrangement";
    case Text::ItemFinalsParameters:
        return "Finals runs Parameters";
    case Text::ItemFinalsArrangement:
        return "Finals runs Arrangement";
    case Text::ItemShowReport:
        return "Show the report";
    case Text::ButtonStart:
        return "Start";
    case Text::LabelStart:
        return "Start";
    case Text::ButtonStop:
        return "Stop";
    case Text::LabelStop:
        return "Stop";
    case Text::ButtonClear:
        return "Clear";
    case Text::LabelClear:
        return "Clear";
    case Text::ButtonResults:
        return "Results";
    case Text::ButtonPrint:
        return "Print";
    case Text::GroupClock:
        return "Race duration / Clock";
    case Text::GroupCountdown:
        return "Countdown";
    case Text::GroupTransponderMode:
        return "Transponders mode";
    case Text::RadioPersonalChips:
        return "Personal chips";
    case Text::RadioClubChips:
        return "Club chips";
    case Text::RadioMixedScan:
        return "Mixed (scan)";
    case Text::ListTransponderPacks:
        return "SetTransponders";
    case Text::ButtonScan:
        return "Scan";
    case Text::ScanStatusOff:
        return " Off";
    case Text::ScanStatusScanning:
        return " Scan in progress";
    case Text::ScanStatusChecking:
        return " Check in progress";
    case Text::ScanStatusCheckDone:
        return " Check completed";
    case Text::RunInProgressNoQuit:
        return "A race or a scan is in progress!\r\nYou can't quit the application !";
    case Text::QuitQuestion:
        return "You wish to quit!\nDo you want to save the current race?";
    case Text::HelpFile:
        return "Guides/HelpRacedeskGB.pdf";
    case Text::ErrTranspondersDatabase:
        return "Error: Transponders database file not found";
    case Text::ErrDisplaySettings:
        return "Error: Display settings file not found";
    case Text::AlreadyRunning:
        return "Racedesk is already running on this working folder:\n%s";
    case Text::ErrWorkingFolder:
        return "Error: the working folder could not be completed:\n%s";
    case Text::HeadingPos:
        return "Pos";
    case Text::HeadingCar:
        return "Car";
    case Text::HeadingName:
        return "Driver";
    case Text::HeadingLaps:
        return "Laps";
    case Text::HeadingTotal:
        return "Total time";
    case Text::HeadingGapLeader:
        return "Gap leader";
    case Text::HeadingGapPrevious:
        return "Gap previous";
    case Text::HeadingLastLap:
        return "Last lap";
    case Text::HeadingBestLap:
        return "Best lap";
    case Text::HeadingTransponder:
        return "Transp.";
    case Text::HeadingFinish:
        return "End";

    // Interface dialog
    case Text::InterfaceCaption:
        return "Interface";
    case Text::InterfaceTitle:
        return "Decoder Tarvolin";
    case Text::InterfaceMessagesGroup:
        return "Message";
    case Text::InterfaceDecoderGroup:
        return "Decoder:";
    case Text::InterfaceKt1:
        return "Tarvolin KT1";
    case Text::InterfaceKt2:
        return "Tarvolin KT2";
    case Text::InterfacePortGroup:
        return "COM Port";
    case Text::InterfaceNoDevice:
        return "No serial port of this name on this computer";
    case Text::InterfaceOpen:
        return "Connect";
    case Text::ButtonOk:
        return "Ok";
    case Text::ButtonCancel:
        return "Cancel";
    case Text::InterfaceKt1Ready:
        return " Interface KT1 ready to operate.\r\n";
    case Text::InterfaceKt2Ready:
        return " Interface KT2 ready to operate.\r\n";
    case Text::InterfacePortNotOpen:
        return " COM Port is not open !\r\n";
    case Text::InterfaceAttempt:
        return " COM Port opening attempt :\r\n";
    case Text::InterfaceKt1Opened:
        return " COM Port opening attempt :\r\n COM Port opened correctly, OK !\r\n Interface KT1 "
               "ready to operate !\r\n";
    case Text::InterfaceKt2Opened:
        return " COM Port opening attempt :\r\n COM Port opened correctly, OK !\r\n Interface KT2 "
               "ready to operate !\r\n";
    case Text::InterfaceOpenFailed:
        return " COM Port opening attempt :\r\n Could not open the COM Port !\r\n";
    case Text::ErrInterfaceDialogFile:
        return "Error: Interface file not found";

    // Sounds dialog
    case Text::SoundsTitle:
        return "Sound options";
    case Text::SoundsEnglish:
        return "English";
    case Text::SoundsFrench:
        return "French";
    case Text::SoundsStartGroup:
        return "Start of the race";
    case Text::SoundsCountdown:
        return "Vocal announcement of the countdown";
    case Text::SoundsStartSignal:
        return "Sound signal for the race start";
    case Text::SoundsRaceGroup:
        return "During the race";
    case Text::SoundsPassing:
        return "Sound signal for each lap completion";
    case Text::SoundsBestLap:
        return "Vocal announcement of the best lap";
    case Text::SoundsRaceClock:
        return "Vocal announcement of the race clock";
    case Text::SoundsEndGroup:
        return "End of race";
    case Text::SoundsEndSignal:
        return "Sound signal at the end of race";
    case Text::SoundsEndPerCar:
        return "Vocal announcement for each car end of race";
    case Text::ErrSoundSettingsWrite:
        return "Error: Sound settings file not found";

    // Display dialog
    case Text::DisplayCaption:
        return "Display options";
    case Text::DisplayTitle:
        return "Display colours and fonts";
    case Text::DisplayThemeGroup:
        return "Theme";
    case Text::DisplayEventsGroup:
        return "Events";
    case Text::DisplayTableGroup:
        return "Results table";
    case Text::DisplayWindowBackground:
        return "Software background";
    case Text::DisplayTreeBackground:
        return "TreeView background";
    case Text::DisplayBoardBackground:
        return "Table background";
    case Text::DisplayHeatTitle:
        return "Name of runs";
    case Text::DisplayRadioConflict:
        return "Radio conflict";
    case Text::DisplayCarPassing:
        return "Cars passage";
    case Text::DisplayRunBest:
        return "Best lap time of the run";
    case Text::DisplayDriverBest:
        return "Best lap time of the driver";
    case Text::DisplayHeaderBand:
        return "Titles";
    case Text::DisplayResultRows:
        return "Results";
    case Text::DisplayColumn:
        return "Column";
    case Text::DisplayWidth:
        return "Width";
    case Text::DisplayRelief:
        return "relief style";
    case Text::DisplayGradient:
        return "gradient style";
    case Text::DisplayLoad:
        return "Load";
    case Text::DisplaySave:
        return "Save";
    case Text::DisplayFileFilter:
        return "Display file";
    case Text::ErrDisplayFile:
        return "Error: Display settings file not found";

    // Race file
    case Text::ErrRaceFile:
        return "Error: Race file not found";
    case Text::ErrTitleHeatFlags:
        return "Error: Title of the Treeview flags not found";
    case Text::ErrTitleQualifyingHeat:
        return "Error: Title of the qualifying heat not found";
    case Text::ErrTitleFinalsRun:
        return "Error: Title of the finals run not found";
    case Text::ErrTitleTrack:
        return "Error: Title of the track not found";
    case Text::ErrTitleParticipants:
        return "Error: Title of participants list not found";
    case Text::ErrTitleQualifyingArrangement:
        return "Error: Title of qualification arrangement not found";
    case Text::ErrTitleStartingGrids:
        return "Error: Title of qualification starting grids not found";
    case Text::ErrTitleQualifyingParameters:
        return "Error: Title of qualification parameters not found";
    case Text::ErrTitleRoundClassification:
        return "Error: Title of round classification not found";
    case Text::ErrTitleOverallClassification:
        return "Error: Title of qualification overall classification not found";
    case Text::ErrTitleFinalsParameters:
        return "Error: Title of finals parameters not found";
    case Text::ErrTitleFinalsArrangement:
        return "Error: Title of finals arrangement not found";

    case Text::Count:
        break;
    }
    return "";
}

} // namespace racedesk
