#pragma once
#include "core/common/fixed_text.h"
#include "core/qualifying/typed_number.h"

#include <string>
#include <string_view>

namespace racedesk {

// The qualifying duration calculator: a planning aid that stores nothing. Its inputs stay in
// memory while the program runs, so it shows them again at the next opening.

// The calculator's controls, by identifier.
namespace calculator_control {
inline constexpr int kCategory = 3501;
inline constexpr int kParticipants = 3502;
inline constexpr int kDriversPerHeat = 3503;
inline constexpr int kRounds = 3504;
inline constexpr int kHeatMinutes = 3505;
inline constexpr int kRestMinutes = 3506;
inline constexpr int kResultCategory = 3507;
inline constexpr int kTotalRuns = 3508;
inline constexpr int kTotalDuration = 3509;
inline constexpr int kTitle = 3510;
inline constexpr int kCategoryLabel = 3511;
inline constexpr int kInputsGroup = 3522;
inline constexpr int kResultsGroup = 3523;
} // namespace calculator_control

inline constexpr int kCalculatorCategoryLength = 53;
inline constexpr NumberField kParticipantsField{3, 0, 200};
inline constexpr NumberField kDriversPerHeatField{2, 0, 20};
inline constexpr NumberField kRoundsField{1, 0, 9};
inline constexpr NumberField kHeatMinutesField{3, 0, 120};
inline constexpr NumberField kRestMinutesField{2, 0, 99};

struct CalculatorInputs {
    FixedText<kCalculatorCategoryLength + 1> category; // Windows-1252
    int participants = 0;
    int driversPerHeat = 0;
    int rounds = 0;
    int heatMinutes = 0;
    int restMinutes = 0;
};

struct CalculatorResults {
    int heatsPerRound = 0; // a remainder of participants makes one heat more
    int runs = 0;
    int totalMinutes = 0; // every run with its rest
};

CalculatorResults calculate(const CalculatorInputs& inputs);
// "%dh%02dmin", in Windows-1252.
std::string durationText(int totalMinutes);

// The number field of an input control (3502 to 3506); null for the others.
const NumberField* calculatorFieldOf(int control);
// The value an input control shows.
int calculatorNumberOf(const CalculatorInputs& inputs, int control);
// Text typed in an input control: its value goes into the inputs.
TypedNumber typeCalculatorNumber(CalculatorInputs& inputs, int control, std::string_view text);

} // namespace racedesk
