#pragma once
#include "core/common/fixed_text.h"
#include "core/databases/transponder_packs.h"
#include "core/timing/car_slot.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace racedesk {

struct Program;

// Where the cars' transponder numbers come from: the drivers' own, a club pack, or a scan of
// the cars crossing the line one by one.
enum class TransponderMode { Personal, Club, Mixed };

enum class ScanStatus { Off, Scanning, Checking, CheckDone };

struct ScanState {
    TransponderMode mode = TransponderMode::Personal;
    int pack = 0; // the pack chosen for club transponders
    bool on = false;
    bool scanning = false;
    bool checking = false;
    ScanStatus status = ScanStatus::Off;
    // A slot is marked once it took a transponder during the scan, or passed during the check.
    std::array<bool, kCarCount> marks{};
    std::array<bool, kCarCount> checkPassed{};
    std::array<std::int64_t, kCarCount> lastCheckMs{};

    bool active() const { return scanning || checking; }
};

// The status field's text in the program's language.
const char* scanStatusText(ScanStatus status);

// A new mode: personal gives every driver of the run the transponder of the participant of
// the same name; club and mixed take every transponder away.
void setTransponderMode(Program& p, TransponderMode mode);
// The participants' own transponders to the drivers of the same names, when the mode is
// personal: the board shows them at once.
void applyParticipantTransponders(Program& p);
// The car slot, ranking entry and board row of that driver take the transponder.
void giveTransponder(Program& p, std::string_view driver, std::string_view transponder);

// A pack's transponder as passings carry it: six digits ("1234" gives "001234"). False when
// the pack holds no number there.
bool packTransponderText(const TransponderPack& pack, int index, FixedText<7>& text);
// The entry of the pack to preselect for a row's transponder, or -1.
int packIndexOf(const TransponderPack& pack, std::string_view transponder);
// The club drop-down's choice: the driver of board row `row` takes the pack's transponder.
void giveClubTransponder(Program& p, int row, int index);

} // namespace racedesk
