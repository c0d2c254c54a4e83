#pragma once
#include "core/race/qualifying_parameters_section.h"
#include "core/race/race_header.h"

namespace racedesk {

struct Program;

// What the qualifying parameters dialog edits: the parameters of one category, shown with
// the category's name.
struct QualifyingParametersForm {
    int category = 0; // 1 to 9
    CategoryName categoryName;
    QualifyingParameters parameters;
};

// Opening: the defaults, then the category's name and its stored parameters from the working
// race file. When the file cannot be opened the error is shown and the defaults stay.
QualifyingParametersForm openQualifyingParameters(Program& p, int category);

// "Valider": the parameters written into the category's section, which is added at the end
// of the race file the first time; then the heat of that category on the board takes them.
// When the file cannot be opened or the title not found the error is shown and nothing is
// written. Gives true when written.
bool confirmQualifyingParameters(Program& p, const QualifyingParametersForm& form);

} // namespace racedesk
