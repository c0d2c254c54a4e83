#pragma once
#include "core/common/texts.h"
#include "core/race/participant.h"
#include "core/race/section_file.h"
#include "core/timing/car_slot.h"

#include <array>
#include <string>
#include <string_view>

namespace racedesk {

// "Catégorie%dRépartitionQualifs": which driver runs in which heat. A first line with
// qualifying-started, the drivers per heat N and the number of rounds, then the 220 places, one
// name a line. Heats are consecutive blocks of N places: place k (from 0) is in heat k / N + 1.
inline constexpr int kHeatCompositionUnits = 4625;
inline constexpr Text kHeatCompositionTitleNotFound = Text::ErrTitleQualifyingArrangement;
inline constexpr int kCompositionPlaces = 220;
inline constexpr int kMaxDriversPerHeat = kCarCount;
inline constexpr std::string_view kFreePlace = kEmptySlotName;

using CompositionPlaces = std::array<DriverName, kCompositionPlaces>;

// Every place free.
CompositionPlaces freePlaces();

struct HeatComposition {
    int qualifyingStarted = 0; // 0, or 1 once a qualifying heat is stored
    int driversPerHeat = 10;   // 1 to 20
    int rounds = 1;            // 1 to 9
    CompositionPlaces places = freePlaces();
};

// The name at a place; a free place, and any index outside the 220 places, give "(NA)".
std::string_view placeName(const HeatComposition& composition, int index);
// The driver who takes grid value `gridValue` (1 to N) in heat `heat` (from 1): the place
// (heat - 1) × N + gridValue - 1. "(NA)" when either is out of range.
std::string_view heatDriver(const HeatComposition& composition, int heat, int gridValue);
// The number (from 1) of the last place that holds a driver; 0 when none does.
int usedPlaces(const HeatComposition& composition);
// (used places - 1) / N + 1.
int heatsPerRound(const HeatComposition& composition);

std::string composeHeatComposition(const HeatComposition& composition);
// The body over the defaults: counters brought within their limits, names longer than 39
// characters cut, an empty name or a place the body does not reach free.
HeatComposition parseHeatComposition(std::string_view body);

// False when the section is missing: the composition is then the defaults (10 drivers per
// heat, 1 round, every place free).
bool readHeatComposition(SectionFile& file, int category, HeatComposition& composition);
// Creates the section at the end of the file when it is missing (the participants list does).
WriteStatus writeHeatComposition(SectionFile& file, int category,
                                 const HeatComposition& composition);
// Writes only over a section that exists (the composition dialog): TitleNotFound, and nothing
// written, when it is missing.
WriteStatus rewriteHeatComposition(SectionFile& file, int category,
                                   const HeatComposition& composition);

} // namespace racedesk
