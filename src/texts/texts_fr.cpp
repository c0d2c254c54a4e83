#include "core/common/texts.h"

namespace racedesk {

// French build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(Text id) {
    switch (id) {
    case Text::CaptionError:
        return "Erreur";
    case Text::CaptionMessage:
        return "Message";
    case Text::CaptionTarvolin:
        return "Tarvolin";

    case Text::ErrInterfaceFile:
        return "Erreur: impossible d'ouvrir le fichier Interface Port COM";
    case Text::PortOpenFailed:
        return "Echec à l'ouverture du port COM";
    case Text::LossReport:
        return "Perte connexion du décodeur KT2 à %s.\n";
    case Text::RecoverySucceeded:
        return "Récupération connexion décodeur KT2 réussie à %s.";
    case Text::RecoveryFailed:
        return "Echec à la récupération.";

    case Text::ClearQuestion:
        return "Etes vous sûr de vouloir effacer les résultats de la série?\n"
               "Les données seront définitivement perdues";
    case Text::InterruptedRunQuestion:
        return "La série %s a été interrompue à %02d:%02d:%02d : la reprendre ?";
    case Text::ErrInterruptedRun:
        return "Erreur: la série interrompue n'a pas pu être reprise depuis le fichier\n%s";
    case Text::ErrDetailedResultsFile:
        return "Erreur: impossible d'ouvrir le fichier Résultats détaillés";
    case Text::ErrCircuitsDatabase:
        return "Erreur: impossible d'ouvrir la base de données Circuits";
    case Text::DurationLaps:
        return "%d tours";
    case Text::RunHeader:
        return "Durée %s - %s - %s - Départ %02u/%02u/%04u %u:%02u";
    case Text::RestBeforeStart:
        return "%d:%02d avant départ";
    case Text::RestElapsed:
        return "Repos écoulé";
    case Text::KeyStartSignal:
        return "DEPARTSignalSonore";
    case Text::KeyStartStaggered:
        return "DEPARTDecale";
    case Text::KeyStartFirstCar:
        return "DEPARTPremiereVoiture";
    case Text::KeyEndTimeSignal:
        return "FINTEMPSSignalSonore";
    case Text::KeyEndTimeFinishLap:
        return "FINTEMPSFinirTour";
    case Text::KeyEndLapsSignal:
        return "FINTOURSignalSonore";
    case Text::KeyEndLapsFinishLap:
        return "FINTOURFinirTour";
    case Text::KeyEndLapsAllLaps:
        return "FINTOURFaireTousLesTours";

    case Text::ErrSoundSettings:
        return "Erreur: impossible d'ouvrir le fichier réglages sons";

    // Settings dialogs, more
    case Text::DisplayColourPicker:
        return "Couleur";
    case Text::DisplayFontPicker:
        return "Police";
    case Text::DisplayFontColour:
        return "Couleur du texte...";

    // Race tree
    case Text::TreeTrack:
        return "Piste";
    case Text::TreeParticipants:
        return "Pilotes (%d)";
    case Text::TreeQualifying:
        return "Qualifs";
    case Text::TreeParameters:
        return "Paramètres";
    case Text::TreeArrangement:
        return "Répartition";
    case Text::TreeRound:
        return "Manche%d";
    case Text::TreeHeat:
        return "Série%d";
    case Text::TreeClassifications:
        return "Classements";
    case Text::TreeRoundClassification:
        return "Classement M%d";
    case Text::TreeOverallClassification:
        return "Classement Global";
    case Text::TreeFinals:
        return "Remontées";
    case Text::TreeFinalA:
        return "1/%dA";
    case Text::TreeFinalB:
        return "1/%dB";
    case Text::TreeFinale:
        return "Finale";
    case Text::TreeClosureReport:
        return "xRapport de cloture";
    case Text::NewRaceQuestion:
        return "Vous voulez commencer une nouvelle course!\nSouhaitez-vous sauvegarder la course "
               "en cours?";
    case Text::LoadSaveQuestion:
        return "Souhaitez-vous sauvegarder la course en cours?";
    case Text::ErrRaceNotLoaded:
        return "Erreur: la course n'a pas pu être chargée depuis le fichier\n%s";

    // Printing
    case Text::PrintJobParticipants:
        return "LISTE PILOTES : Printing...";
    case Text::PrintJobOverallClassification:
        return "CLASSEMENT QUALIFS : Printing...";
    case Text::PrintJobRoundClassification:
        return "CLASSEMENT MANCHE : Printing...";
    case Text::PrintJobQualifyingHeats:
        return "REPARTITION QUALIFS : Printing...";
    case Text::PrintJobClosureReport:
        return "RAPPORT CLOTURE : Printing...";
    case Text::PrintJobRunResults:
        return "RESULTATS SERIE : Printing...";
    case Text::PrintJobRunSummary:
        return "SYNTHESE RUN : Printing...";
    case Text::PrintDateLine:
        return "Edité le %02u/%02u/%04u à %u:%02u";
    case Text::PrintPageNumber:
        return "Page %d /%d";
    case Text::ParticipantsPrintTitle:
        return "Liste des participants (%d inscrits)";
    case Text::ParticipantsPrintName:
        return "Nom Prénom";
    case Text::ParticipantsPrintLicence:
        return "N°Licence";
    case Text::ParticipantsPrintClub:
        return "Club";

    // Databases
    case Text::DatabaseCircuitsCaption:
        return "Base de données Circuits";
    case Text::DatabaseClubsCaption:
        return "Base de données Clubs";
    case Text::DatabaseDriversCaption:
        return "Base de données Pilotes";
    case Text::DatabaseTranspondersCaption:
        return "Base de données Transpondeurs";
    case Text::DatabaseFrequenciesCaption:
        return "Base de données Fréquences radio";
    case Text::DatabaseCircuitsTitle:
        return "Base de données : Liste des circuits";
    case Text::DatabaseClubsTitle:
        return "Base de données : Liste des clubs";
    case Text::DatabaseDriversTitle:
        return "Base de données : Liste des pilotes";
    case Text::DatabaseTranspondersTitle:
        return "Base de données : Transpondeurs club";
    case Text::DatabaseFrequenciesTitle:
        return "Base de données : Fréquences radio disponibles";
    case Text::DatabaseNew:
        return " Nouveau";
    case Text::DatabaseNewFrequency:
        return " Nouvelle";
    case Text::DatabaseAdd:
        return "Ajouter";
    case Text::DatabaseRemove:
        return "Supprimer";
    case Text::DatabaseClear:
        return "Effacer";
    case Text::DatabaseId:
        return "N°ID";
    case Text::DatabaseCircuitsHeader:
        return "Circuits  (20 max)";
    case Text::DatabaseClubsHeader:
        return "Clubs  (100 max)";
    case Text::DatabaseDriversHeader:
        return "Pilotes  (1000 max)";
    case Text::DatabaseFrequenciesHeader:
        return "Fréquences";
    case Text::DatabasePacksHeader:
        return "Packs transpondeurs";
    case Text::DatabaseLength:
        return "Développé :";
    case Text::DatabaseMetres:
        return "m";
    case Text::DatabaseLapRecord:
        return "Record du tour :";
    case Text::DatabaseRecordHolder:
        return "    par";
    case Text::DatabaseProtectionTime:
        return "Temps de protection tour :";
    case Text::DatabaseSeconds:
        return "s";
    case Text::DatabaseTown:
        return "Ville :";
    case Text::DatabaseAcronym:
        return "Sigle :";
    case Text::DatabaseAddress:
        return "Adresse :";
    case Text::DatabaseAddress2:
        return "(suite)";
    case Text::DatabasePostcode:
        return "Code Postal :";
    case Text::DatabaseCountry:
        return "Pays :";
    case Text::DatabaseTelephone:
        return "Telephone :";
    case Text::DatabaseEmail:
        return "Email :";
    case Text::DatabaseLicence:
        return "N°licence :";
    case Text::DatabaseBirthDate:
        return "Date de naissance :";
    case Text::DatabaseTransponder:
        return "Transpond. :";
    case Text::DatabaseClub:
        return "Club :";
    case Text::DatabasePackTransponder:
        return "transpondeur%d :";
    case Text::DatabasePictureFilter:
        return "Images";
    case Text::ErrClubsDatabase:
        return "Erreur: impossible d'ouvrir la base de données Clubs";
    case Text::ErrCountriesDatabase:
        return "Erreur: impossible d'ouvrir la base de données Pays";
    case Text::ErrDriversDatabase:
        return "Erreur: impossible d'ouvrir la base de données Pilotes";
    case Text::ErrFrequenciesDatabase:
        return "Erreur: impossible d'ouvrir la base de données Fréquences";
    case Text::ErrFrequenciesDatabaseWrite:
        return "Erreur: impossible d'ouvrir la base de données Frequences";

    // Race lifecycle
    case Text::RaceFileFilter:
        return "Fichier course";
    case Text::ErrRaceNotSaved:
        return "Erreur: la course n'a pas pu être enregistrée dans le fichier\n%s";
    case Text::WindowTitleFile:
        return "Tarvolin:   %s";

    // Heat storage
    case Text::CommentCaption:
        return "Commentaire série";
    case Text::CommentDry:
        return "sec";
    case Text::CommentWet:
        return "pluie";
    case Text::CommentIce:
        return "glace";
    case Text::CommentLabel:
        return "Commentaire série:";
    case Text::CommentValidate:
        return "Valider";
    case Text::ErrCommentFile:
        return "Erreur: impossible d'ouvrir le fichier Commentaire série";
    case Text::ErrDriverResultFile:
        return "Erreur: impossible d'ouvrir le fichier DetailResultats";
    case Text::RunTitleQualifying:
        return " %s - Manche%d - Série%d ";
    case Text::CategoryTitle:
        return "CATEGORIE : %s";
    case Text::QualifyingRunTitle:
        return "Qualifications : Manche%d - Série%d";
    case Text::RaceLine:
        return "Course : %s - %s";

    // Main window
    case Text::WindowTitle:
        return "Tarvolin";
    case Text::LanguageCode:
        return "fr";
    case Text::CaptionAttention:
        return "Attention";
    case Text::MenuFile:
        return "Fichier";
    case Text::MenuDatabase:
        return "Base de données";
    case Text::MenuPlanning:
        return "Planification course";
    case Text::MenuSettings:
        return "Réglages";
    case Text::MenuHelp:
        return "?";
    case Text::ItemNewRace:
        return "Nouvelle course";
    case Text::ItemLoadRace:
        return "Charger une course";
    case Text::ItemSave:
        return "Enregistrer";
    case Text::ItemSaveAs:
        return "Enregistrer sous...";
    case Text::ItemQuit:
        return "Quitter";
    case Text::ItemCircuits:
        return "Circuits";
    case Text::ItemClubs:
        return "Clubs";
    case Text::ItemDrivers:
        return "Pilotes";
    case Text::ItemTransponders:
        return "Transpondeurs";
    case Text::ItemFrequencies:
        return "Fréquences";
    case Text::ItemPlanQualifying:
        return "Planif qualifs";
    case Text::ItemPlanFinals:
        return "Planif remontées";
    case Text::ItemSounds:
        return "Sons";
    case Text::ItemDisplay:
        return "Affichage";
    case Text::ItemInterface:
        return "Interface";
    case Text::ItemHelp:
        return "Aide";
    case Text::ItemModifyResults:
        return "Modifier résultats série";
    case Text::ItemDetailedResults:
        return "Résultats détaillés série";
    case Text::ItemHeatComment:
        return "Commentaire série";
    case Text::ItemTrack:
        return "Piste pour la course";
    case Text::ItemNewCategory:
        return "Nouvelle catégorie";
    case Text::ItemRenameCategory:
        return "Renommer catégorie";
    case Text::ItemParticipants:
        return "Liste participants";
    case Text::ItemQualifyingParameters:
        return "Paramètres qualifs";
    case Text::ItemQualifyingArrangement:
        return "Répartion séries qualifs";
    case Text::ItemFinalsParameters:
        return "Paramètres remontées";
    case Text::ItemFinalsArrangement:
        return "Répartion séries remontées";
    case Text::ItemShowReport:
        return "Afficher";
    case Text::ButtonStart:
        return "Depart";
    case Text::LabelStart:
        return "Départ";
    case Text::ButtonStop:
        return "Arret";
    case Text::LabelStop:
        return "Arret";
    case Text::ButtonClear:
        return "Effacer";
    case Text::LabelClear:
        return "Effacer";
    case Text::ButtonResults:
        return "Résultats";
    case Text::ButtonPrint:
        return "Imprimer";
    case Text::GroupClock:
        return "Durée course / Horloge";
    case Text::GroupCountdown:
        return "Décompte";
    case Text::GroupTransponderMode:
        return "Mode transpondeurs";
    case Text::RadioPersonalChips:
        return "Puces perso";
    case Text::RadioClubChips:
        return "Puces club";
    case Text::RadioMixedScan:
        return "Mixte (scan)";
    case Text::ListTransponderPacks:
        return "PackPuces";
    case Text::ButtonScan:
        return "Scan";
    case Text::ScanStatusOff:
        return " Off";
    case Text::ScanStatusScanning:
        return " Scan en cours";
    case Text::ScanStatusChecking:
        return " Vérif en cours";
    case Text::ScanStatusCheckDone:
        return " Vérif terminée";
    case Text::RunInProgressNoQuit:
        return "Un run ou un scan est en cours!\r\nVous ne pouvez pas fermer l'application !";
    case Text::QuitQuestion:
        return "Vous voulez quitter!\nSouhaitez-vous sauvegarder la course en cours?";
    case Text::HelpFile:
        return "Guides/HelpRacedeskFR.pdf";
    case Text::ErrTranspondersDatabase:
        return "Erreur: impossible d'ouvrir la base de données Transpondeurs";
    case Text::ErrDisplaySettings:
        return "Erreur: impossible d'ouvrir le fichier Réglage Affichage";
    case Text::AlreadyRunning:
        return "Racedesk est déjà ouvert sur ce dossier de travail:\n%s";
    case Text::ErrWorkingFolder:
        return "Erreur: le dossier de travail n'a pas pu être complété:\n%s";
    case Text::HeadingPos:
        return "Pos";
    case Text::HeadingCar:
        return "Ligne";
    case Text::HeadingName:
        return "Nom pilote";
    case Text::HeadingLaps:
        return "Tours";
    case Text::HeadingTotal:
        return "Temps total";
    case Text::HeadingGapLeader:
        return "Ecart leader";
    case Text::HeadingGapPrevious:
        return "Ecart précédt";
    case Text::HeadingLastLap:
        return "Dernier tour";
    case Text::HeadingBestLap:
        return "Meilleur tour";
    case Text::HeadingTransponder:
        return "Transp.";
    case Text::HeadingFinish:
        return "Fin";

    // Interface dialog
    case Text::InterfaceCaption:
        return "Interface";
    case Text::InterfaceTitle:
        return "Décodeur Tarvolin";
    case Text::InterfaceMessagesGroup:
        return "Messages";
    case Text::InterfaceDecoderGroup:
        return "Décodeur:";
    case Text::InterfaceKt1:
        return "Tarvolin KT1";
    case Text::InterfaceKt2:
        return "Tarvolin KT2";
    case Text::InterfacePortGroup:
        return "Port COM";
    case Text::InterfaceNoDevice:
        return "Aucun port série de ce nom sur cet ordinateur";
    case Text::InterfaceOpen:
        return "Ouvrir";
    case Text::ButtonOk:
        return "Ok";
    case Text::ButtonCancel:
        return "Echap";
    case Text::InterfaceKt1Ready:
        return " Interface KT1 prête à fonctionner.\r\n";
    case Text::InterfaceKt2Ready:
        return " Interface KT2 prête à fonctionner.\r\n";
    case Text::InterfacePortNotOpen:
        return " Port COM non ouvert !\r\n";
    case Text::InterfaceAttempt:
        return " Tentative d'ouverture du port COM:\r\n";
    case Text::InterfaceKt1Opened:
        return " Tentative à l'ouverture du port COM:\r\n Ouverture du port COM OK !\r\n Interface "
               "KT1 prête à fonctionner.\r\n";
    case Text::InterfaceKt2Opened:
        return " Tentative à l'ouverture du port COM:\r\n Ouverture du port COM OK !\r\n Interface "
               "KT2 prête à fonctionner.\r\n";
    case Text::InterfaceOpenFailed:
        return " Tentative à l'ouverture du port COM:\r\n Echec à l'ouverture du port COM !\r\n";
    case Text::ErrInterfaceDialogFile:
        return "Erreur: impossible d'ouvrir le fichier interface Port COM";

    // Sounds dialog
    case Text::SoundsTitle:
        return "Options du son";
    case Text::SoundsEnglish:
        return "English";
    case Text::SoundsFrench:
        return "Francais";
    case Text::SoundsStartGroup:
        return "Début course";
    case Text::SoundsCountdown:
        return "Annonce vocale du décompte";
    case Text::SoundsStartSignal:
        return "Signal sonore au départ";
    case Text::SoundsRaceGroup:
        return "Course";
    case Text::SoundsPassing:
        return "Signal sonore lors des passages voitures";
    case Text::SoundsBestLap:
        return "Annonce vocale meilleur tour";
    case Text::SoundsRaceClock:
        return "Annonce vocale Horloge de course";
    case Text::SoundsEndGroup:
        return "Fin course";
    case Text::SoundsEndSignal:
        return "Signal sonore à la fin de la course";
    case Text::SoundsEndPerCar:
        return "Annonce vocale de fin de course pour chaque voiture";
    case Text::ErrSoundSettingsWrite:
        return "Erreur: impossible d'ouvrir le fichier Réglage Sons";

    // Display dialog
    case Text::DisplayCaption:
        return "Options d'affichage";
    case Text::DisplayTitle:
        return "Couleurs et polices d'affichage";
    case Text::DisplayThemeGroup:
        return "Thème";
    case Text::DisplayEventsGroup:
        return "Evénements";
    case Text::DisplayTableGroup:
        return "Tableau résultats";
    case Text::DisplayWindowBackground:
        return "Fond logiciel";
    case Text::DisplayTreeBackground:
        return "Fond arboresence";
    case Text::DisplayBoardBackground:
        return "Arrière plan tableau";
    case Text::DisplayHeatTitle:
        return "Titre série";
    case Text::DisplayRadioConflict:
        return "Conflit radio";
    case Text::DisplayCarPassing:
        return "Passage voiture";
    case Text::DisplayRunBest:
        return "Meilleur tour run";
    case Text::DisplayDriverBest:
        return "Meilleur tour pilote";
    case Text::DisplayHeaderBand:
        return "Libellé tableau";
    case Text::DisplayResultRows:
        return "Résultats tableau";
    case Text::DisplayColumn:
        return "Colonne";
    case Text::DisplayWidth:
        return "Largeur";
    case Text::DisplayRelief:
        return "style relief";
    case Text::DisplayGradient:
        return "style dégradé";
    case Text::DisplayLoad:
        return "Charger";
    case Text::DisplaySave:
        return "Sauver";
    case Text::DisplayFileFilter:
        return "Fichier affichage";
    case Text::ErrDisplayFile:
        return "Erreur: impossible d'ouvrir le fichier Affichage";

    // Race file
    case Text::ErrRaceFile:
        return "Erreur: impossible d'ouvrir le fichier Course";
    case Text::ErrTitleHeatFlags:
        return "Erreur: Intitulé des drapeaux séries du Treeview non trouvé";
    case Text::ErrTitleQualifyingHeat:
        return "Erreur: Intitulé de la Série de qualifs non trouvé";
    case Text::ErrTitleFinalsRun:
        return "Erreur: Intitulé de la Série de remontées non trouvé";
    case Text::ErrTitleTrack:
        return "Erreur: Intitulé de Piste course non trouvé";
    case Text::ErrTitleParticipants:
        return "Erreur: Intitulé de Liste des participants non trouvé";
    case Text::ErrTitleQualifyingArrangement:
        return "Erreur: Intitulé de Répartition des qualifs non trouvé";
    case Text::ErrTitleStartingGrids:
        return "Erreur: Intitulé Grille Départ des qualifs non trouvé";
    case Text::ErrTitleQualifyingParameters:
        return "Erreur: Intitulé Paramètres des qualifs non trouvé";
    case Text::ErrTitleRoundClassification:
        return "Erreur: Intitulé Classement de manche qualifs non trouvé";
    case Text::ErrTitleOverallClassification:
        return "Erreur: Intitulé Classement global qualifs non trouvé";
    case Text::ErrTitleFinalsParameters:
        return "Erreur: Intitulé Paramètres des remontées non trouvé";
    case Text::ErrTitleFinalsArrangement:
        return "Erreur: Intitulé Répartition des Remontées non trouvé";

    case Text::Count:
        break;
    }
    return "";
}

} // namespace racedesk
