#pragma once
#include "core/databases/drivers.h"
#include "core/race/heat_composition_section.h"
#include "core/race/participant.h"
#include "core/race/race_header.h"
#include "core/race/track_section.h"
#include "core/reports/print_document.h"

#include <memory>

namespace racedesk {

struct Program;

// The places from the first up to the first free one: what the participants list shows.
int listedParticipants(const ParticipantTable& table);

// "<-": the driver becomes a participant with the database's transponder and no frequency,
// takes the composition place after the last used one, and the participants are put in name
// order; the composition keeps the order in which drivers were added. Gives the new
// participant's place, or -1 when refused: no name, already a participant, 200 participants,
// or the last used composition place the 200th or later.
int addParticipant(ParticipantTable& participants, HeatComposition& composition,
                   const DriverRecord& driver);
// "->": every place of that name emptied, every composition place of that name freed without
// moving the others, the participants put in name order again. False when there was none.
bool removeParticipant(ParticipantTable& participants, HeatComposition& composition,
                       std::string_view name);

// What the "Liste des pilotes" dialog works on while it is open.
struct ParticipantsDialog {
    int category = 0; // 1 to 9; 0 when the header names no category of the race
    RaceHeader header;
    std::unique_ptr<DriverTable> drivers = std::make_unique<DriverTable>();
    int driverCount = 0; // listed: up to the first empty name
    ParticipantTable participants;
    HeatComposition composition;
    TrackSettings track; // race name and circuit, for the printout
    // Once a qualifying heat has stored results the list only shows and prints.
    bool frozen = false;

    const CategoryEntry& entry() const;
};

// Command 1054 first names the category to edit: the item's code over the header's first field.
void markSelectedItem(Program& p, int itemCode);

// Opening, for the category of the header's selected item: the drivers database, the header,
// the track, the category's participants and composition (every place free when missing).
// Missing files are reported. False when the header names no category of the race.
bool openParticipantsDialog(Program& p, ParticipantsDialog& d);

// The dialog's buttons; a frozen list refuses them.
int addFromDatabase(ParticipantsDialog& d, int driverIndex);
bool removeAt(ParticipantsDialog& d, int place);

// "Valider": the category's composition counters back to 0, so that the heats are composed
// again, the header rewritten, then the participants and the composition written (created
// when missing). Problems are reported. False when the list is frozen or something could not
// be written.
bool validateParticipantsDialog(Program& p, ParticipantsDialog& d);

// The printed list of the participants the dialog shows.
PrintDocument participantsDocument(const ParticipantsDialog& d);

// After the dialog: the header read again. True, and the run on the board unloaded, when the
// category has no composition any more: the window then rebuilds its participants and
// qualifying branches. False when it still has one (the dialog was cancelled).
bool afterParticipantsDialog(Program& p, int category);

} // namespace racedesk
