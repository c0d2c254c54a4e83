#pragma once
#include "core/common/fixed_text.h"
#include "core/race/race_header.h"
#include "core/race/starting_grids_section.h"

#include <array>
#include <string>
#include <string_view>

namespace racedesk {

struct Program;

// The rules of the starting grids dialog ("Grilles de départs des qualifications"): one field
// per round, where a grid is a word of N letters, A for the heat's first driver in the
// composition, B for the second, up to T.

inline constexpr int kFirstGridField = 4601; // "Manche 1"; the round r field is 4600 + r

using GridText = FixedText<kCarCount + 1>;

// The driver a typed character names: 1 for A up to N for the N-th letter; 0 for anything
// else (a small letter, a digit, a blank, a letter past the N-th).
int gridLetterValue(char letter, int driversPerHeat);
// The grid as its field shows it: "CABD" for 3, 1, 2, 4.
GridText gridText(const RoundGrid& grid, int driversPerHeat);
// A field's text as the grid stores it, one value per character, within N characters.
RoundGrid gridOfText(std::string_view text, int driversPerHeat);
// What a field keeps of what was typed: its first N characters.
std::string limitedGridField(std::string_view text, int driversPerHeat);

struct GridsDialog {
    int category = 0;
    int qualifyingStarted = 0;
    int driversPerHeat = 10;  // N, from the composition's first line
    int rounds = 1;           // R, from the composition's first line
    bool storedMatch = false; // grids were stored for this N and R
    bool readOnly = false;    // fixed starting order, or qualifying started
    std::array<GridText, kMaxRounds> fields{};
};

// Reads the starting order of the qualifying parameters, the composition's counters and the
// stored grids (shown only when stored for the same N and R; otherwise the default grids).
GridsDialog openGridsDialog(Program& p, int category);

// Rounds past R are not shown; the first round's grid never changes.
bool gridFieldShown(const GridsDialog& d, int round);
bool gridFieldEditable(const GridsDialog& d, int round);

// What is wrong with the grids of rounds 2 to R; each text empty when its check passes.
struct GridCheck {
    std::string incomplete; // a grid without exactly N characters
    std::string letters;    // a character that names no driver of the heat
    std::string duplicates; // a driver twice in one grid
    bool valid() const { return incomplete.empty() && letters.empty() && duplicates.empty(); }
};
GridCheck checkGrids(const GridsDialog& d);
// "Erreur: la saisie n'est pas valide !" with the three texts.
std::string gridsErrorMessage(const GridCheck& check);

// "OK": the error shown and false when a grid is wrong (the dialog stays); otherwise the grids
// are written and true (the dialog closes).
bool validateGrids(Program& p, const GridsDialog& d);
// The window closed without "OK": the default grids are written when none matched.
void closeGridsWithoutOk(Program& p, const GridsDialog& d);

} // namespace racedesk
