#pragma once
#include "core/common/race_time.h"
#include "core/finals/finals_levels.h"
#include "core/race/heat_section.h"
#include "core/race/participant.h"
#include "core/race/race_header.h"
#include "core/race/track_section.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace racedesk {

struct Program;

// The closure report: a category's final classification, the finals that have been run
// merged with the qualifying classification. Built afresh from the race file each time.

inline constexpr int kMaxReportRows = kMaxParticipants + 20 * kFinalsCount; // 660
inline constexpr int kQualifyingOnly = -1; // the level of a row listed with its qualifying result

struct ClosureRow {
    DriverName name;
    int rank = 0;                // 0: already ranked in an earlier row ("R")
    int level = kQualifyingOnly; // 0 the Final, k the 1/2^k finals
    bool isA = true;
    int place = 0; // in that final, from 1
    int laps = 0;
    RaceTime totalTime = 0;
    int qualifyingPlace = 0; // from 1; 0 when the name is not in the qualifying order
    int qualifyingPoints = 0;
};

struct QualifiedDriver {
    DriverName name;
    int points = 0;
};

// What the rows are built from: the qualifying order with each driver's points, the finals
// composition with the category's levels, and each final's stored run (none when missing).
struct ClosureSources {
    std::vector<QualifiedDriver> qualifying;
    FinalsComposition composition;
    int levels = 0;
    std::array<std::optional<StoredRun>, kFinalsCount> finals;
};

// A final counts as run when it is stored and one of its drivers made a lap.
bool finalRun(const ClosureSources& s, int finalIndex);

// The rows in report order. The Final run: the finals from the Final down. Otherwise the
// highest level whose A and B finals have both been run leads, after rows reserved for the
// qualifiers placed above it; with no such level the report starts with the P finals
// participants. The qualifiers beyond P come last. A driver already ranked shows "R".
std::vector<ClosureRow> closureRows(const ClosureSources& sources);

// "7", or "R"
std::string rankText(const ClosureRow& row);
// "FIN", "1/4A", "Q"
std::string levelText(const ClosureRow& row);
// "12T en 5:01.234", empty for a qualifier
std::string resultText(const ClosureRow& row);

// The report of a category as the dialog and the printout show it.
struct ClosureReport {
    int category = 1;
    CategoryName categoryName;
    TrackSettings track;
    std::vector<ClosureRow> rows;
};

// Reads the race file: the stored overall qualifying order (recomputed from the rounds only
// when it was never stored), the points of the recomputed classification, the composition
// and every final. False when the file cannot be read (the error shown) or the race has no
// such category.
bool openClosureReport(Program& p, int category, ClosureReport& report);
// The same from a file already open, without the program's state, for the meeting's web pages.
// False when the race has no such category.
bool readClosureReport(SectionFile& file, int category, ClosureReport& report);

} // namespace racedesk
