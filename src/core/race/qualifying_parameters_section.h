#pragma once
#include "core/common/texts.h"
#include "core/race/section_file.h"
#include "core/timing/run_session.h"

#include <string>
#include <string_view>

namespace racedesk {

// "Catégorie%dQualifsParamètres": how every qualifying heat of the category is run, on one
// line of ten fields.
inline constexpr int kQualifyingParametersUnits = 80;
inline constexpr Text kQualifyingParametersTitleNotFound = Text::ErrTitleQualifyingParameters;

// Whether the starting grids of the qualifying may be edited.
enum class StartingOrder { Fixed, Editable };
const char* keyOf(StartingOrder order);
bool parseKey(std::string_view key, StartingOrder& order);

struct QualifyingParameters {
    RankingMode ranking = RankingMode::LapsThenTime;
    DurationMode duration = DurationMode::Time;
    int minutes = 1;          // 1 to 60
    int laps = 1;             // 1 to 150
    int countdownSeconds = 5; // 0 to 3600
    int restMinutes = 0;      // 0 to 99
    StartMode start = StartMode::Signal;
    StartingOrder startingOrder = StartingOrder::Fixed;
    EndOfTime endOfTime = EndOfTime::FinishLap;
    EndOfLaps endOfLaps = EndOfLaps::FinishLap;
};

std::string composeQualifyingParameters(const QualifyingParameters& parameters);
// The body's fields over the defaults: a keyword that is not one of its keys keeps its default,
// numbers are brought within their limits.
QualifyingParameters parseQualifyingParameters(std::string_view body);

// False when the section is missing: the parameters are then the defaults.
bool readQualifyingParameters(SectionFile& file, int category, QualifyingParameters& parameters);
WriteStatus writeQualifyingParameters(SectionFile& file, int category,
                                      const QualifyingParameters& parameters);

} // namespace racedesk
