#pragma once
#include "core/databases/circuits.h"
#include "core/databases/transponder_packs.h"
#include "core/live/live_feed.h"
#include "core/platform/clock.h"
#include "core/platform/dialogs.h"
#include "core/platform/screen.h"
#include "core/platform/serial_port.h"
#include "core/platform/sound_player.h"
#include "core/race/loaded_run.h"
#include "core/race/participant.h"
#include "core/race/race_header.h"
#include "core/race/track_section.h"
#include "core/settings/display_settings.h"
#include "core/timing/board_painter.h"
#include "core/timing/car_slot.h"
#include "core/timing/decoder_journal.h"
#include "core/timing/decoder_link.h"
#include "core/timing/ranking.h"
#include "core/timing/run_session.h"
#include "core/timing/sound_settings.h"
#include "core/timing/transponder_modes.h"

#include <string>
#include <string_view>

namespace racedesk {

// The outside world as core sees it.
struct Platform {
    Clock& clock;
    SerialPort& serial;
    SoundPlayer& sound;
    Dialogs& dialogs;
    Screen& screen;
};

// The program's live state, created by main and passed by reference: no hidden globals,
// so a test builds as many programs as it likes. The race itself is not here: it lives in
// the working race file.
struct Program {
    Program(Platform platform, std::string workingFolder);

    Platform io;
    std::string workDir;
    std::string userRaceFile; // the race's own file (UTF-8 path); empty while untitled

    // The race's category table as last read from the working race file, and the run on the
    // board with the participants of its category.
    RaceHeader header;
    TrackSettings track; // race name, club, circuit and protection time ("PisteCourse")
    LoadedRun loaded;
    ParticipantTable participants;

    DecoderLink link;
    DecoderJournal journal; // closed until start-up opens the day's journal
    RunSession run;
    CarSlots slots;
    RankEntries entries;
    int entryCount = 0;
    BoardRows rows;
    ScanState scan;
    SoundSettings sounds;
    CircuitTable circuits;
    TransponderPackTable packs;
    DisplaySettings display;
    BoardState board;
    LiveFeed live;               // the board handed to the live results server
    int displayDialogColumn = 0; // the column the display dialog shows, kept across openings
    int analysisView = 0;        // the run analysis view last used (AnalysisView), kept likewise

    // A file name of the program resolved against the working folder.
    std::string path(std::string_view name) const;
    // Shows an error message box with the "Erreur" caption.
    void showError(const char* text);
};

} // namespace racedesk
