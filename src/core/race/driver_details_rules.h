#pragma once
#include "core/databases/frequencies.h"
#include "core/platform/canvas.h"
#include "core/race/participant.h"
#include "core/timing/decoder_protocol.h"

#include <cstdint>
#include <string_view>

namespace racedesk {

struct Program;

// The scan light, a four-step animation while a scan runs.
inline constexpr Point kScanLightAt{305, 125};
inline constexpr int kScanLightSide = 24;
inline constexpr int kScanLightCycle = 84; // hundredths of a second

struct ScanLight {
    std::int64_t start = 0; // high-resolution counter when the cycle began
    int frame = 0;          // 1 to 4 while scanning; 0 off
};

// The picture of a moment of the cycle (hundredths since it began): 1 from 0 to 19, 2 from
// 21 to 40, 3 from 42 to 61, 4 from 63 to 82; 0 between them, where the picture shown stays.
int scanLightFrame(int hundredths);
// The light at `counter`: a new cycle from 84 on. True when another picture is due.
bool advanceScanLight(ScanLight& light, std::int64_t counter, std::int64_t frequency);
void paintScanLight(Canvas& canvas, int frame);
const char* scanLightFile(int frame);

// What the "Détails pilote" dialog works on while it is open.
struct DriverDetails {
    int category = 0;
    int place = -1; // 0 to 199; -1 when the item names no place
    ParticipantTable participants;
    FrequencyTable frequencies;
    int frequencyCount = 0; // listed: up to the first empty one
    InterfaceKind kind = InterfaceKind::KT1;
    bool scanning = false;
    ScanLight light;

    bool valid() const { return place >= 0; }
    Participant& driver() { return participants[std::size_t(place)]; }
    const Participant& driver() const { return participants[std::size_t(place)]; }
};

// The participant's place of a participant item: its code modulo 10000 less 1001; -1 outside
// the 200 places.
int detailsPlace(int itemCode);

// Opening, for the item the header names: the decoder kind from the interface settings, the
// frequencies database and the category's participants; missing files are reported. The
// dialog takes the decoder link over, so the tick leaves the port alone. False when the item
// names no participant's place.
bool openDriverDetails(Program& p, DriverDetails& d);

// A typed transponder is taken only once it has six digits. False when not taken.
bool typeTransponder(DriverDetails& d, std::string_view typed);
// Frequency `which` (0 to 4) of the driver.
void chooseFrequency(DriverDetails& d, int which, std::string_view frequency);

// "Scan" checked: what the decoder sent so far is dropped, the light starts.
void startScan(Program& p, DriverDetails& d);
void stopScan(DriverDetails& d);

// One tick of the dialog's timer. While scanning, the decoder's bytes are decoded as the link
// decodes them (a message cut between two reads is taken whole at the next one) and every
// passing's transponder becomes the driver's: the last car across the line wins. Gives the
// transponder to show, empty when no passing came. When not scanning the bytes are dropped.
TransponderText detailsTick(Program& p, DriverDetails& d);

// "OK": the participants section rewritten in place when it exists (reported when it does
// not).
void confirmDriverDetails(Program& p, const DriverDetails& d);
// The dialog goes, with or without "OK": the scan stops and the link goes back to the tick.
void closeDriverDetails(Program& p, DriverDetails& d);

// After the dialog: the participants of the run's category read again (the edited category
// when no run is loaded), their transponders copied to the car slots by name, the radio
// conflict checked and the board ranked and drawn again.
void afterDriverDetails(Program& p, int category);

} // namespace racedesk
