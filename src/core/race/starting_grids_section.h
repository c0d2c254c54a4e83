#pragma once
#include "core/common/texts.h"
#include "core/race/race_header.h"
#include "core/race/section_file.h"
#include "core/timing/car_slot.h"

#include <array>
#include <string>
#include <string_view>

namespace racedesk {

// "Catégorie%dGrilleDépartQualifs": for each round, the order in which the drivers of a heat
// take their starting positions. A first line with qualifying-started, N and R, then R lines of
// N integers: value i of a round names the heat's i-th driver in the composition (1 to N).
inline constexpr int kStartingGridsUnits = 250;
inline constexpr Text kStartingGridsTitleNotFound = Text::ErrTitleStartingGrids;

using RoundGrid = std::array<int, kCarCount>; // positions 1 to N, then zeros

struct StartingGrids {
    int qualifyingStarted = 0;
    int driversPerHeat = 0;                    // N; 0 when no usable grid is stored
    int rounds = 0;                            // R; 0 when no usable grid is stored
    std::array<RoundGrid, kMaxRounds> grids{}; // round r at r - 1
};

// The grid of every round until the director sets another: 1, 2 ... N, the drivers in their
// composition order. N is brought within 0 to 20.
RoundGrid defaultGrid(int driversPerHeat);
// R rounds of the default grid.
StartingGrids defaultStartingGrids(int qualifyingStarted, int driversPerHeat, int rounds);

// The stored grids were set for this composition: same N and same R.
bool gridsMatch(const StartingGrids& grids, int driversPerHeat, int rounds);
// The grid to start round `round` (from 1) of heats of N drivers. A stored row is used only
// when it was set for N drivers and puts each of the N drivers on exactly one position; a
// missing or damaged row (a value outside 1 to N, a driver twice) gives the default grid.
RoundGrid roundGrid(const StartingGrids& grids, int driversPerHeat, int round);

std::string composeStartingGrids(const StartingGrids& grids);
// An N outside 1 to 20 or an R outside 1 to 9 makes the stored rows unusable: they read as 0.
StartingGrids parseStartingGrids(std::string_view body);

// False when the section is missing: no grid is then stored (N and R are 0).
bool readStartingGrids(SectionFile& file, int category, StartingGrids& grids);
WriteStatus writeStartingGrids(SectionFile& file, int category, const StartingGrids& grids);

} // namespace racedesk
