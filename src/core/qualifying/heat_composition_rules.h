#pragma once
#include "core/platform/canvas.h"
#include "core/race/heat_composition_section.h"
#include "core/race/participant.h"
#include "core/race/race_header.h"
#include "core/race/track_section.h"

#include <array>
#include <string_view>

namespace racedesk {

struct Program;

// The rules of the heat composition dialog ("Répartition qualifications"). The dialog keeps
// its own copy of the composition; the category table in the program takes the numbers of
// rounds and heats as they change, and "Générer" writes both to the race file.

inline constexpr int kDriversPerHeatDigits = 2;
inline constexpr int kRoundsDigits = 1;
inline constexpr int kVisibleRows = 20;
// A move never takes a driver past the last place a participant can have.
inline constexpr int kMovablePlaces = kMaxParticipants;
inline constexpr const char* kMoveSound = "sons/beep1.wav";

// Each place with what the participants list says of its driver: name, transponder and the
// five frequencies. A free place holds "(NA)" and nothing else.
using CompositionRows = std::array<Participant, kCompositionPlaces>;

// The first participant of the same name gives a place its transponder and frequencies.
CompositionRows joinParticipants(const HeatComposition& composition,
                                 const ParticipantTable& participants);

struct CompositionDialog {
    int category = 0; // 1 to 9
    CategoryName categoryName;
    TrackSettings track;
    int participants = 0;
    HeatComposition composition;
    CompositionRows rows;
    int heats = 1;          // heats per round, as the places and drivers per heat now stand
    int heatsAtOpening = 1; // once qualifying started, "Générer" wants this number again
    // The category table's numbers when the dialog opened, which "Echap" puts back: without
    // new grids they must not stay changed.
    int roundsBefore = 0;
    int heatsBefore = 0;
    bool editable = true;      // moves and "Générer": no round partly run, no final stored
    bool countsFrozen = false; // qualifying started: drivers per heat and rounds stay
    int scroll = 0;            // the first row shown
};

// Opens the dialog on `category`: the category table is read into the program, the track,
// the participants and the composition (a missing composition section is reported and the
// places start free); the heats per round go into the category table.
CompositionDialog openCompositionDialog(Program& p, int category);

// Some round of the category has results stored for some of its first `heats` heats and not
// for the others.
bool someRoundPartlyRun(Program& p, int category, int heats);

// The places the table shows: every place of every heat, the last heat's free places too.
int tableRows(const CompositionDialog& d);
// How far the table scrolls, one row a step; 0 when every row is visible.
int scrollRange(const CompositionDialog& d);
void scrollTo(CompositionDialog& d, int firstRow);

// The value a field's text stands for: its leading digits, 0 when none; then held to the
// field's limits, 0 giving 1.
int driversPerHeatOfField(std::string_view text);
int roundsOfField(std::string_view text);
// The heats per round follow at once, in the dialog and in the category table.
void setDriversPerHeat(Program& p, CompositionDialog& d, int driversPerHeat);
// Stored at once in the category table.
void setRounds(Program& p, CompositionDialog& d, int rounds);

// A driver swaps places with the one above or below, transponder and frequencies with him.
// Refused (false, nothing changes) when the composition may not be edited, at the first or
// last row, or past the 200th place; a move beeps.
bool canMoveUp(const CompositionDialog& d, int place);
bool canMoveDown(const CompositionDialog& d, int place);
bool moveUp(Program& p, CompositionDialog& d, int place);
bool moveDown(Program& p, CompositionDialog& d, int place);

// The driver's first frequency is also another driver's of the same heat, and it is not one
// that cannot clash. Such a frequency is drawn in red, on screen and on paper.
inline constexpr Colour kConflictRed = rgb(250, 0, 0);
bool firstFrequencyConflicts(const CompositionDialog& d, int place);

enum class GenerateOutcome {
    TooManyHeats, // the message shown, the dialog stays
    HeatsChanged, // qualifying started and the number of heats moved: the dialog stays
    Written,      // the category table and the composition written: the dialog closes
};
GenerateOutcome generateComposition(Program& p, CompositionDialog& d);
// "Echap" or the window closed: nothing written, the category table's numbers as they were.
void escapeComposition(Program& p, const CompositionDialog& d);

// After the dialog, whichever way it closed: the starting grids dialog when the category has
// rounds; then the qualifying branch of the tree built again unless qualifying started.
bool startingGridsFollow(const Program& p, const CompositionDialog& d);
bool qualifyingBranchRebuilt(const CompositionDialog& d);
// Last: a heat of the category on the board with no passing yet leaves it, so that it loads
// again with the new composition and grids; not while a round is partly run or once a final
// is stored. True when it left.
bool releaseBoardHeat(Program& p, const CompositionDialog& d);

} // namespace racedesk
