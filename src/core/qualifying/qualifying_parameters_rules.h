#pragma once
#include "core/qualifying/typed_number.h"
#include "core/race/qualifying_parameters_section.h"

#include <string_view>

namespace racedesk {

// The controls of the qualifying parameters dialog, by identifier.
namespace qualifying_control {
inline constexpr int kCategoryName = 4401;
inline constexpr int kDurationTime = 4402;
inline constexpr int kDurationLaps = 4403;
inline constexpr int kMinutes = 4404;
inline constexpr int kLaps = 4405;
inline constexpr int kRest = 4406;
inline constexpr int kCountdown = 4407;
inline constexpr int kEditableOrder = 4408;
inline constexpr int kRankingLapsThenTime = 4409;
inline constexpr int kRankingBestLap = 4410;
inline constexpr int kStartSignal = 4411;
inline constexpr int kStartFirstCar = 4412;
inline constexpr int kStartStaggered = 4413;
inline constexpr int kTimeEndSignal = 4414;
inline constexpr int kTimeEndFinishLap = 4415;
inline constexpr int kLapsEndSignal = 4416;
inline constexpr int kLapsEndFinishLap = 4417;
inline constexpr int kLapsEndAllLaps = 4418;
inline constexpr int kMinutesUnit = 4419;
inline constexpr int kLapsUnit = 4420;
inline constexpr int kTimeEndGroup = 4421;
inline constexpr int kLapsEndGroup = 4422;
} // namespace qualifying_control

// The rules of the dialog, on the record it edits. The dialog's look follows the record: the
// duration type shows the minutes or the laps and enables the end options of that type; a
// staggered start locks the options it forces.

inline constexpr NumberField kMinutesField{2, 1, 60};
inline constexpr NumberField kLapsField{3, 1, kQualifyingMaxLaps};
inline constexpr NumberField kCountdownField{4, 0, 3600};
inline constexpr NumberField kRestField{2, 0, 99};

struct ControlState {
    bool shown = true;
    bool enabled = true;
};
ControlState controlState(const QualifyingParameters& p, int control);

// Whether a radio button or the check box shows checked.
bool controlChecked(const QualifyingParameters& p, int control);

// A click on a radio button (`checked` true), or the check box changing to `checked`. The
// staggered start forces the timed run to let drivers finish their lap and the lap-count run
// to make them drive all the laps.
void setControl(QualifyingParameters& p, int control, bool checked);

// The number field of an edit control (minutes, laps, countdown, rest); null for the others.
const NumberField* numberFieldOf(int control);
// The value an edit control shows.
int numberOf(const QualifyingParameters& p, int control);
// Text typed in an edit control: its value goes into the record.
TypedNumber typeNumber(QualifyingParameters& p, int control, std::string_view text);

} // namespace racedesk
