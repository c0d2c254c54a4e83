#pragma once
#include "core/common/texts.h"
#include "core/race/section_file.h"
#include "core/timing/run_session.h"

#include <array>
#include <string>
#include <string_view>

namespace racedesk {

// The set-up of a category's bump-up finals.

// "Catégorie%dRemontéesParamètres": start type, end of the run, countdown, on one line.
inline constexpr int kFinalsParametersUnits = 28;
inline constexpr Text kFinalsParametersTitleNotFound = Text::ErrTitleFinalsParameters;

struct FinalsParameters {
    StartMode start = StartMode::Signal;
    EndOfTime endOfTime = EndOfTime::FinishLap;
    int countdownSeconds = 5; // 0 to 3600
};

std::string composeFinalsParameters(const FinalsParameters& parameters);
FinalsParameters parseFinalsParameters(std::string_view body);

// False when the section is missing: the parameters are then the defaults.
bool readFinalsParameters(SectionFile& file, int category, FinalsParameters& parameters);
WriteStatus writeFinalsParameters(SectionFile& file, int category,
                                  const FinalsParameters& parameters);

// "Catégorie%dRépartitionRemontées": one line of 20 integers. Rows of the finals ladder are
// the Final, the 1/2, 1/4, 1/8 finals and every level from 1/16 on, which share one row.
inline constexpr int kFinalsCompositionUnits = 40;
inline constexpr Text kFinalsCompositionTitleNotFound = Text::ErrTitleFinalsArrangement;
inline constexpr int kFinalsRows = 5;

struct FinalsComposition {
    int participants = 0;     // the best P of the qualifying run the finals
    int driversPerFinal = 10; // F, 1 to 20
    // Run duration in minutes (1 to 150) of the Final, 1/2, 1/4, 1/8, 1/16 and below.
    std::array<int, kFinalsRows> durations{30, 20, 15, 10, 10};
    // Rest in minutes after each 1/2, 1/4, 1/8, 1/16-and-below final.
    std::array<int, kFinalsRows - 1> rests{15, 10, 5, 5};
    // Drivers qualified straight into the Final, the 1/2 ... finals (a level's count is
    // shared by its A and B finals), derived from F and the moving-up counts.
    std::array<int, kFinalsRows> direct{0, 14, 14, 14, 14};
    // Drivers moving up from each 1/2 final into the Final, from each 1/4 final into the 1/2
    // final, and so on.
    std::array<int, kFinalsRows - 1> movingUp{5, 3, 3, 3};
};

// The defaults, with every participant of the category in the finals.
FinalsComposition defaultFinalsComposition(int participants);

// The fields in their order: P, F, the durations, the rests, the direct counts, the moving-up
// counts.
std::string composeFinalsComposition(const FinalsComposition& composition);
// Over the defaults for P; every count is brought within what its field can hold.
FinalsComposition parseFinalsComposition(std::string_view body, int participants);

bool readFinalsComposition(SectionFile& file, int category, int participants,
                           FinalsComposition& composition);
WriteStatus writeFinalsComposition(SectionFile& file, int category,
                                   const FinalsComposition& composition);

} // namespace racedesk
