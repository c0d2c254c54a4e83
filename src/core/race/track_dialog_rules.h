#pragma once
#include "core/databases/circuits.h"
#include "core/databases/clubs.h"
#include "core/race/track_section.h"

#include <string_view>

namespace racedesk {

struct Program;

inline constexpr int kRaceNameLength = 48;
inline constexpr int kProtectionDigits = 3;

// What the "Piste" dialog works on while it is open: the track it will write, and the clubs
// and circuits it offers.
struct TrackDialog {
    TrackSettings track;
    ClubTable clubs;
    CircuitTable circuits;
    int clubCount = 0;    // listed: up to the first empty name
    int circuitCount = 0; // likewise
    int club = -1;        // selected in its list; -1 for none
    int circuit = -1;
};

// Opening: the clubs and circuits databases (each missing one reported), then the stored
// track when the working race file has one.
void openTrackDialog(Program& p, TrackDialog& d);
// The stored club and circuit are looked up by exact name among the listed ones; a name no
// longer listed (removed from its database) is forgotten.
void selectStoredNames(TrackDialog& d);

// A race name that would be taken for a section title of the race file.
bool isRefusedRaceName(std::string_view name);
// The typed name cut to its field; false, and the name emptied, when it is refused.
bool typeRaceName(TrackDialog& d, std::string_view typed);

void chooseClub(TrackDialog& d, int index);
// The circuit's name, and its protection time, which goes through the same floor as a typed one.
void chooseCircuit(TrackDialog& d, int index);
const CircuitRecord* selectedCircuit(const TrackDialog& d);

// The seconds a protection time text stands for: its leading digits, at most three, never
// below 2, so that a double detection of one car never counts as a lap.
int protectionSecondsOf(std::string_view text);
void typeProtection(TrackDialog& d, std::string_view typed);

// "Valider": "PisteCourse" written in place. False when it could not be (reported).
bool validateTrackDialog(Program& p, const TrackDialog& d);

// After the dialog: the race name, circuit and protection time as the file now holds them,
// and the circuit's place among the first 20 circuits, whose lap record the runs update.
void takeTrackBack(Program& p);

} // namespace racedesk
