#include "core/qualifying/starting_grid_rules.h"

#include "core/app/program.h"
#include "core/qualifying/composition_texts.h"
#include "core/race/heat_composition_section.h"
#include "core/race/qualifying_parameters_section.h"
#include "core/race/working_race_file.h"

#include <algorithm>
#include <cstdio>

namespace racedesk {
namespace {

int gridWidth(int driversPerHeat) {
    return std::clamp(driversPerHeat, 0, kCarCount);
}

std::size_t fieldIndex(int round) {
    return std::size_t(round - 1);
}

// Only letters that name a driver count: what names none is the letters check's fault.
bool repeatsALetter(std::string_view text, int driversPerHeat) {
    std::array<bool, kCarCount + 1> seen{};
    for (const char c : text) {
        const int value = gridLetterValue(c, driversPerHeat);
        if (value != 0 && seen[std::size_t(value)])
            return true;
        seen[std::size_t(value)] = true;
    }
    return false;
}

std::string lettersMessage(int driversPerHeat) {
    char text[128];
    std::snprintf(text, sizeof text, tx(CompositionText::GridLetters),
                  char('A' + driversPerHeat - 1));
    return text;
}

void writeGrids(Program& p, int category, const StartingGrids& grids) {
    SectionFile file(p.path(kWorkingRaceFile));
    const WriteStatus status = writeStartingGrids(file, category, grids);
    if (status == WriteStatus::FileError)
        p.showError(tx(Text::ErrRaceFile));
    else if (status == WriteStatus::TitleNotFound)
        p.showError(tx(kStartingGridsTitleNotFound));
}

} // namespace

int gridLetterValue(char letter, int driversPerHeat) {
    const int value = letter - 'A' + 1;
    return value >= 1 && value <= gridWidth(driversPerHeat) ? value : 0;
}

GridText gridText(const RoundGrid& grid, int driversPerHeat) {
    std::string text;
    for (int i = 0; i < gridWidth(driversPerHeat); ++i) {
        const int value = grid[std::size_t(i)];
        if (value >= 1 && value <= kCarCount)
            text += char('A' + value - 1);
    }
    return GridText(text);
}

RoundGrid gridOfText(std::string_view text, int driversPerHeat) {
    RoundGrid grid{};
    const std::size_t n = std::min(text.size(), std::size_t(gridWidth(driversPerHeat)));
    for (std::size_t i = 0; i < n; ++i)
        grid[i] = gridLetterValue(text[i], driversPerHeat);
    return grid;
}

std::string limitedGridField(std::string_view text, int driversPerHeat) {
    return std::string(text.substr(0, std::size_t(gridWidth(driversPerHeat))));
}

GridsDialog openGridsDialog(Program& p, int category) {
    GridsDialog d;
    d.category = std::clamp(category, 1, kMaxCategories);
    SectionFile file(p.path(kWorkingRaceFile));
    if (!file.isOpen())
        p.showError(tx(Text::ErrRaceFile));
    QualifyingParameters parameters;
    readQualifyingParameters(file, d.category, parameters);
    HeatComposition composition;
    if (!readHeatComposition(file, d.category, composition) && file.isOpen())
        p.showError(tx(kHeatCompositionTitleNotFound));
    RaceHeader header;
    readRaceHeader(file, header);
    StartingGrids stored;
    readStartingGrids(file, d.category, stored);

    d.qualifyingStarted = std::max(composition.qualifyingStarted,
                                   header.categories[fieldIndex(d.category)].qualifyingStarted);
    d.driversPerHeat = composition.driversPerHeat;
    d.rounds = composition.rounds;
    d.storedMatch = gridsMatch(stored, d.driversPerHeat, d.rounds);
    d.readOnly = parameters.startingOrder == StartingOrder::Fixed || d.qualifyingStarted == 1;
    for (int round = 1; round <= d.rounds; ++round) {
        const RoundGrid grid = d.storedMatch ? roundGrid(stored, d.driversPerHeat, round)
                                             : defaultGrid(d.driversPerHeat);
        d.fields[fieldIndex(round)] = gridText(grid, d.driversPerHeat);
    }
    return d;
}

bool gridFieldShown(const GridsDialog& d, int round) {
    return round >= 1 && round <= d.rounds;
}

bool gridFieldEditable(const GridsDialog& d, int round) {
    return gridFieldShown(d, round) && round > 1 && !d.readOnly;
}

GridCheck checkGrids(const GridsDialog& d) {
    GridCheck check;
    const int n = d.driversPerHeat;
    for (int round = 2; round <= d.rounds; ++round) {
        const std::string_view text = d.fields[fieldIndex(round)].view();
        if (int(text.size()) != n)
            check.incomplete = tx(CompositionText::GridsIncomplete);
        if (std::any_of(text.begin(), text.end(),
                        [n](char c) { return gridLetterValue(c, n) == 0; }))
            check.letters = lettersMessage(n);
        if (repeatsALetter(text, n))
            check.duplicates = tx(CompositionText::GridDuplicates);
    }
    return check;
}

std::string gridsErrorMessage(const GridCheck& check) {
    char text[512];
    std::snprintf(text, sizeof text, tx(CompositionText::GridsInvalid), check.incomplete.c_str(),
                  check.letters.c_str(), check.duplicates.c_str());
    return text;
}

bool validateGrids(Program& p, const GridsDialog& d) {
    const GridCheck check = checkGrids(d);
    if (!check.valid()) {
        p.showError(gridsErrorMessage(check).c_str());
        return false;
    }
    StartingGrids grids;
    grids.qualifyingStarted = d.qualifyingStarted;
    grids.driversPerHeat = d.driversPerHeat;
    grids.rounds = d.rounds;
    for (int round = 1; round <= d.rounds; ++round)
        grids.grids[fieldIndex(round)] =
            gridOfText(d.fields[fieldIndex(round)].view(), d.driversPerHeat);
    writeGrids(p, d.category, grids);
    return true;
}

void closeGridsWithoutOk(Program& p, const GridsDialog& d) {
    if (!d.storedMatch)
        writeGrids(p, d.category,
                   defaultStartingGrids(d.qualifyingStarted, d.driversPerHeat, d.rounds));
}

} // namespace racedesk
