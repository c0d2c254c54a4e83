#include "core/qualifying/qualifying_calculator.h"

#include "core/qualifying/qualifying_texts.h"

#include <cstdio>

namespace racedesk {
namespace {

using namespace calculator_control;

template <typename Inputs> auto inputOf(Inputs& in, int control) -> decltype(&in.participants) {
    switch (control) {
    case kParticipants:
        return &in.participants;
    case kDriversPerHeat:
        return &in.driversPerHeat;
    case kRounds:
        return &in.rounds;
    case kHeatMinutes:
        return &in.heatMinutes;
    case kRestMinutes:
        return &in.restMinutes;
    default:
        return nullptr;
    }
}

} // namespace

CalculatorResults calculate(const CalculatorInputs& in) {
    CalculatorResults r;
    if (in.driversPerHeat <= 0)
        return r;
    r.heatsPerRound = (in.participants + in.driversPerHeat - 1) / in.driversPerHeat;
    r.runs = r.heatsPerRound * in.rounds;
    r.totalMinutes = r.runs * (in.heatMinutes + in.restMinutes);
    return r;
}

std::string durationText(int totalMinutes) {
    char text[32];
    std::snprintf(text, sizeof text, tx(QualifyingText::CalculatorDuration), totalMinutes / 60,
                  totalMinutes % 60);
    return text;
}

const NumberField* calculatorFieldOf(int control) {
    switch (control) {
    case kParticipants:
        return &kParticipantsField;
    case kDriversPerHeat:
        return &kDriversPerHeatField;
    case kRounds:
        return &kRoundsField;
    case kHeatMinutes:
        return &kHeatMinutesField;
    case kRestMinutes:
        return &kRestMinutesField;
    default:
        return nullptr;
    }
}

int calculatorNumberOf(const CalculatorInputs& inputs, int control) {
    const int* value = inputOf(inputs, control);
    return value != nullptr ? *value : 0;
}

TypedNumber typeCalculatorNumber(CalculatorInputs& inputs, int control, std::string_view text) {
    return typeInto(inputOf(inputs, control), calculatorFieldOf(control), text);
}

} // namespace racedesk
