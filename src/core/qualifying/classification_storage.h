#pragma once
#include "core/qualifying/overall_classification.h"
#include "core/race/classification_sections.h"
#include "core/race/race_header.h"
#include "core/race/track_section.h"

namespace racedesk {

struct Program;

// What the classification dialogs show of their category and race, read when they open.
struct ClassificationContext {
    int category = 1;
    CategoryEntry entry; // name, participants P, qualifying-started, finals state
    TrackSettings track; // the race's and the circuit's names for the printed lists
    // Once a final has results, the classifications are only shown and printed.
    bool readOnly() const { return entry.finalsState >= 2; }
};

struct RoundClassificationState {
    ClassificationContext context;
    int round = 1;
    RoundClassification classification;
};

struct OverallClassificationState {
    ClassificationContext context;
    OverallStanding standing;
};

// Each operation opens the working race file and closes it before returning; errors are shown
// and the operation goes on with what it has. Opening gives false, and the dialog does not
// open, when the file cannot be read or the category is not in the race.

// The round's mode and points scale as last confirmed, its heats' drivers, sorted and given
// their points.
bool openRoundClassification(Program& p, int category, int round, RoundClassificationState& state);
// Stores the first P entries once a heat of the category holds results and as long as no final
// does; true when the section was written.
bool confirmRoundClassification(Program& p, const RoundClassificationState& state);

// What opening reads, from a file already open and without the program's state, so that the
// meeting's web pages show what the dialogs show. False for a category the race does not have;
// `compositionFound` false when the category's heat composition is missing.
bool readRoundClassificationState(SectionFile& file, int category, int round,
                                  RoundClassificationState& state, bool& compositionFound);
bool readOverallClassificationState(SectionFile& file, int category,
                                    OverallClassificationState& state);

// The participants with their rounds' points, results and best laps, totalled and in order.
bool openOverallClassification(Program& p, int category, OverallClassificationState& state);
// Under the same conditions as a round: sets the category's finals state to 1 and stores the
// order; true when both were written.
bool confirmOverallClassification(Program& p, const OverallClassificationState& state);

} // namespace racedesk
