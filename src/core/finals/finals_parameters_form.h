#pragma once
#include "core/qualifying/typed_number.h"
#include "core/race/finals_sections.h"
#include "core/race/race_header.h"

#include <string_view>

namespace racedesk {

struct Program;

// The finals parameters dialog ("Options de course remontées", tree command 1057).

namespace finals_parameters_control {
inline constexpr int kCategoryName = 4901;
inline constexpr int kCountdown = 4902;
inline constexpr int kStartSignal = 4903;
inline constexpr int kStartStaggered = 4904;
inline constexpr int kStartFirstCar = 4905;
inline constexpr int kEndSignal = 4906;
inline constexpr int kEndFinishLap = 4907;
} // namespace finals_parameters_control

inline constexpr NumberField kFinalsCountdownField{4, 0, 3600};

struct FinalsParametersForm {
    int category = 0; // 1 to 9
    CategoryName categoryName;
    FinalsParameters parameters;
};

// The defaults, then the category's name and its stored parameters. When the file cannot be
// opened the error is shown and the defaults stay.
FinalsParametersForm openFinalsParameters(Program& p, int category);
// "Valider": the section written (added at the end of the race file the first time), then a
// final of the category on the board takes the new start, end and countdown. True when
// written.
bool confirmFinalsParameters(Program& p, const FinalsParametersForm& form);

// A click on a radio button. The staggered start makes every driver finish his lap.
void setFinalsControl(FinalsParameters& parameters, int control);
bool finalsControlChecked(const FinalsParameters& parameters, int control);
// The immediate stop is not offered with a staggered start.
bool finalsControlEnabled(const FinalsParameters& parameters, int control);
TypedNumber typeFinalsCountdown(FinalsParameters& parameters, std::string_view text);

} // namespace racedesk
