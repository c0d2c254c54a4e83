#include "core/race/starting_grids_section.h"

#include "core/common/field_writer.h"
#include "core/race/section_reading.h"
#include "core/race/section_titles.h"

#include <algorithm>

namespace racedesk {
namespace {

int gridWidth(int driversPerHeat) {
    return std::clamp(driversPerHeat, 0, kCarCount);
}

bool isOrderOfDrivers(const RoundGrid& row, int n) {
    std::array<bool, kCarCount + 1> seen{};
    for (int i = 0; i < n; ++i) {
        const int value = row[std::size_t(i)];
        if (value < 1 || value > n || seen[std::size_t(value)])
            return false;
        seen[std::size_t(value)] = true;
    }
    return true;
}

} // namespace

RoundGrid defaultGrid(int driversPerHeat) {
    RoundGrid grid{};
    for (int i = 0; i < gridWidth(driversPerHeat); ++i)
        grid[std::size_t(i)] = i + 1;
    return grid;
}

StartingGrids defaultStartingGrids(int qualifyingStarted, int driversPerHeat, int rounds) {
    StartingGrids grids;
    grids.qualifyingStarted = qualifyingStarted;
    grids.driversPerHeat = gridWidth(driversPerHeat);
    grids.rounds = std::clamp(rounds, 0, kMaxRounds);
    for (int r = 0; r < grids.rounds; ++r)
        grids.grids[std::size_t(r)] = defaultGrid(driversPerHeat);
    return grids;
}

bool gridsMatch(const StartingGrids& grids, int driversPerHeat, int rounds) {
    return grids.driversPerHeat == driversPerHeat && grids.rounds == rounds;
}

RoundGrid roundGrid(const StartingGrids& grids, int driversPerHeat, int round) {
    const int n = gridWidth(driversPerHeat);
    if (n > 0 && grids.driversPerHeat == n && round >= 1 && round <= grids.rounds &&
        round <= kMaxRounds) {
        const RoundGrid& row = grids.grids[std::size_t(round - 1)];
        if (isOrderOfDrivers(row, n))
            return row;
    }
    return defaultGrid(n);
}

std::string composeStartingGrids(const StartingGrids& grids) {
    const int n = gridWidth(grids.driversPerHeat);
    const int rounds = std::clamp(grids.rounds, 0, kMaxRounds);
    FieldWriter out;
    out.integer(grids.qualifyingStarted);
    out.integer(n);
    out.integer(rounds);
    out.endLine();
    for (int r = 0; r < rounds; ++r) {
        for (int i = 0; i < n; ++i)
            out.integer(grids.grids[std::size_t(r)][std::size_t(i)]);
        out.endLine();
    }
    return out.contents();
}

StartingGrids parseStartingGrids(std::string_view body) {
    StartingGrids grids;
    FieldReader lines(body);
    FieldReader first(nextFilledLine(lines));
    readClamped(first, grids.qualifyingStarted, 0, 1);
    int n = 0;
    int rounds = 0;
    first.integer(n);
    first.integer(rounds);
    if (n < 1 || n > kCarCount || rounds < 1 || rounds > kMaxRounds)
        return grids;
    grids.driversPerHeat = n;
    grids.rounds = rounds;
    for (int r = 0; r < rounds; ++r) {
        FieldReader in(nextFilledLine(lines));
        for (int i = 0; i < n; ++i)
            in.integer(grids.grids[std::size_t(r)][std::size_t(i)]);
    }
    return grids;
}

bool readStartingGrids(SectionFile& file, int category, StartingGrids& grids) {
    const std::optional<std::string_view> body = file.body(startingGridsTitle(category));
    grids = body ? parseStartingGrids(*body) : StartingGrids{};
    return body.has_value();
}

WriteStatus writeStartingGrids(SectionFile& file, int category, const StartingGrids& grids) {
    return file.write(startingGridsTitle(category), kStartingGridsUnits,
                      composeStartingGrids(grids));
}

} // namespace racedesk
