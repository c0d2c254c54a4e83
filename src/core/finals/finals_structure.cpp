#include "core/finals/finals_structure.h"

#include "core/finals/finals_levels.h"
#include "core/finals/finals_texts.h"
#include "core/qualifying/qualifying_calculator.h"
#include "core/timing/car_slot.h"

#include <algorithm>
#include <cstdio>

namespace racedesk {
namespace {

using namespace composition_control;

constexpr NumberField kDriversPerFinalField{2, 1, kCarCount};
constexpr NumberField kDurationField{3, 0, 150};
constexpr NumberField kRestField{2, 0, 99};

// The row of a control among `ids`, or -1.
template <std::size_t N> int rowIn(const int (&ids)[N], int control) {
    const auto it = std::find(std::begin(ids), std::end(ids), control);
    return it == std::end(ids) ? -1 : int(it - std::begin(ids));
}

template <typename Composition>
auto inputOf(Composition& c, int control) -> decltype(&c.participants) {
    if (control == kParticipants)
        return &c.participants;
    if (control == kDriversPerFinal)
        return &c.driversPerFinal;
    if (const int row = rowIn(kDuration, control); row >= 0)
        return &c.durations[std::size_t(row)];
    if (const int row = rowIn(kRest, control); row >= 0)
        return &c.rests[std::size_t(row)];
    if (const int row = rowIn(kMovingUp, control); row >= 0)
        return &c.movingUp[std::size_t(row)];
    return nullptr;
}

void lowerMovingUp(FinalsComposition& c) {
    for (int row = 0; row < kFinalsRows - 1; ++row) {
        int& up = c.movingUp[std::size_t(row)];
        up = std::min(up, movingUpLimit(c, row));
    }
}

} // namespace

FinalsStructure finalsStructure(const FinalsComposition& c) {
    FinalsStructure s;
    int taken = directOf(c, 0);
    int minutes = durationOf(c, 0);
    for (int level = 0; level <= kDeepestFinalsLevel; ++level) {
        if (level > 0) {
            taken += directOf(c, level);
            minutes += 2 * (durationOf(c, level) + restOf(c, level));
        }
        if (c.participants <= taken) {
            s.valid = true;
            s.levels = level;
            s.finals = 2 * level + 1;
            s.totalMinutes = minutes;
            return s;
        }
    }
    return s;
}

std::string firstLevelText(const FinalsStructure& s) {
    if (!s.valid)
        return tx(FinalsText::FirstLevelError);
    if (s.levels == 0)
        return tx(FinalsText::FirstLevelFinal);
    char text[64];
    std::snprintf(
        text, sizeof text,
        tx(s.levels <= 2 ? FinalsText::FirstLevelHalfOrQuarter : FinalsText::FirstLevelDeep),
        1 << s.levels);
    return text;
}

std::string totalDurationText(const FinalsStructure& s) {
    return durationText(s.totalMinutes);
}

void deriveDirectCounts(FinalsComposition& c) {
    const int n = c.driversPerFinal;
    c.direct[0] = n - 2 * c.movingUp[0];
    for (int row = 1; row < kFinalsRows; ++row)
        c.direct[std::size_t(row)] = 2 * (n - c.movingUp[std::size_t(std::min(row, 3))]);
}

int movingUpLimit(const FinalsComposition& c, int row) {
    return row == 0 ? c.driversPerFinal / 2 : c.driversPerFinal;
}

bool canGenerate(const FinalsComposition& c) {
    return std::all_of(c.direct.begin(), c.direct.end(), [](int d) { return d >= 0; }) &&
           finalsStructure(c).valid;
}

FinalsComposition storedComposition(const FinalsComposition& c) {
    FinalsComposition stored = c;
    for (int& minutes : stored.durations)
        minutes = std::max(minutes, 1);
    return stored;
}

std::optional<NumberField> compositionFieldOf(const FinalsComposition& c, int control,
                                              int maxParticipants) {
    if (control == kParticipants)
        return NumberField{3, 0, maxParticipants};
    if (control == kDriversPerFinal)
        return kDriversPerFinalField;
    if (rowIn(kDuration, control) >= 0)
        return kDurationField;
    if (rowIn(kRest, control) >= 0)
        return kRestField;
    if (const int row = rowIn(kMovingUp, control); row >= 0)
        return NumberField{2, 0, movingUpLimit(c, row)};
    return std::nullopt;
}

int compositionNumberOf(const FinalsComposition& c, int control) {
    if (const int row = rowIn(kDirect, control); row >= 0)
        return c.direct[std::size_t(row)];
    const int* value = inputOf(c, control);
    return value != nullptr ? *value : 0;
}

TypedNumber typeCompositionNumber(FinalsComposition& c, int control, std::string_view text,
                                  int maxParticipants) {
    const std::optional<NumberField> field = compositionFieldOf(c, control, maxParticipants);
    const TypedNumber typed = typeInto(inputOf(c, control), field ? &*field : nullptr, text);
    lowerMovingUp(c);
    deriveDirectCounts(c);
    return typed;
}

bool frozenControl(int control) {
    return control == kParticipants || control == kDriversPerFinal ||
           rowIn(kMovingUp, control) >= 0;
}

} // namespace racedesk
