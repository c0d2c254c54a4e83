#pragma once
#include "core/qualifying/typed_number.h"
#include "core/race/finals_sections.h"

#include <optional>
#include <string>
#include <string_view>

namespace racedesk {

// The rules of the finals composition dialog and of the finals duration calculator, which
// share its fields and its computation.

// The composition dialog's controls; the calculator's are the same less kCalculatorOffset.
namespace composition_control {
inline constexpr int kCategory = 5001;
inline constexpr int kParticipants = 5002;
inline constexpr int kDriversPerFinal = 5003;
// By row: the Final, 1/2, 1/4, 1/8, 1/16 and below. The Final has no rest and no moving up.
inline constexpr int kDuration[kFinalsRows] = {5004, 5006, 5010, 5014, 5018};
inline constexpr int kDirect[kFinalsRows] = {5005, 5009, 5013, 5017, 5021};
inline constexpr int kRest[kFinalsRows - 1] = {5007, 5011, 5015, 5019};
inline constexpr int kMovingUp[kFinalsRows - 1] = {5008, 5012, 5016, 5020};
inline constexpr int kFirstLevel = 5022;
inline constexpr int kTotalFinals = 5023;
inline constexpr int kTotalDuration = 5024;
inline constexpr int kCalculatorOffset = 1400; // 3601 to 3624
inline constexpr int kCalculatorTitle = 3625;
} // namespace composition_control

// What the composition gives: L levels below the Final, 2L + 1 finals, and the whole
// duration, every level below the Final counting two runs with their rests. Invalid when even
// 1/2048 finals cannot take every finals participant.
struct FinalsStructure {
    bool valid = false;
    int levels = 0;
    int finals = 0; // 0 when invalid
    int totalMinutes = 0;
};

FinalsStructure finalsStructure(const FinalsComposition& c);
// "Finale", "1/4 finales", "1/8eme de finales" ... or the error; in Windows-1252.
std::string firstLevelText(const FinalsStructure& s);
// "%dh%02dmin"
std::string totalDurationText(const FinalsStructure& s);

// The direct counts follow from the drivers per final and the moving-up counts.
void deriveDirectCounts(FinalsComposition& c);
// Up to the Final at most N / 2, the others at most N.
int movingUpLimit(const FinalsComposition& c, int row);
// "Génerer": every direct count at least 0 and a valid structure.
bool canGenerate(const FinalsComposition& c);
// As the section stores it: a duration typed as 0 counts 0 in the totals but is kept as 1.
FinalsComposition storedComposition(const FinalsComposition& c);

// The number field of an input control, `maxParticipants` the most finals participants the
// dialog allows; none for the other controls.
std::optional<NumberField> compositionFieldOf(const FinalsComposition& c, int control,
                                              int maxParticipants);
// The value a number control shows, inputs and direct counts alike.
int compositionNumberOf(const FinalsComposition& c, int control);
// Text typed in an input control goes into the composition; lowering N lowers the moving-up
// counts above their new limits, and every direct count follows.
TypedNumber typeCompositionNumber(FinalsComposition& c, int control, std::string_view text,
                                  int maxParticipants);
// Once a final has results the participants, drivers per final and moving-up counts are
// frozen; durations and rests stay editable.
bool frozenControl(int control);

} // namespace racedesk
