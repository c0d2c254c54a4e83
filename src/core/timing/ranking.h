#pragma once
#include "core/common/fixed_text.h"
#include "core/common/race_time.h"
#include "core/timing/car_slot.h"
#include "core/timing/run_session.h"

#include <array>

namespace racedesk {

struct RankEntry {
    FixedText<40> name;
    FixedText<7> transponder;
    int carNumber = 0;
    int laps = 0;
    RaceTime totalTime = 0;
    RaceTime bestLap = 0;
    int passings = 0;
    RaceTime ownTimeAtLastLap = 0;
    RaceTime bestLapFromTable = 0;
    RaceTime lastLap = 0;
    int lapsToLeader = 0;
    RaceTime timeToLeader = 0;
    int lapsToPrevious = 0;
    RaceTime timeToPrevious = 0;
    bool finished = false;
    bool justPassed = false;
    bool newBestLap = false;
    bool runBestHolder = false;
    TimeParts total, last, best, toLeader, toPrevious, ownTime, bestFromTable;
};

// One line of the live board, its texts preformatted so painting only draws them.
struct BoardRow {
    FixedText<40> name;
    FixedText<7> transponder;
    FixedText<3> position;
    FixedText<5> carNumber;
    FixedText<4> laps;
    FixedText<15> totalTime;
    FixedText<15> lastLap;
    FixedText<15> bestLap;
    FixedText<15> gapToLeader;
    FixedText<15> gapToPrevious;
    FixedText<4> passings;
    FixedText<15> ownTimeAtLastLap;
    FixedText<15> bestLapFromTable;
    bool finished = false;
    bool justPassed = false;
    bool newBestLap = false;
    bool runBestHolder = false;
};

using RankEntries = std::array<RankEntry, kCarCount>;
using BoardRows = std::array<BoardRow, kCarCount>;

// Fills the entries from the non-empty slots in slot order; gives their number.
int buildRankEntries(const CarSlots& slots, RankEntries& entries);
// Empties the 20 rows, then gives the first 'count' rows their name, transponder,
// position (1, 2 ...), car number, laps and passings.
void clearBoardRows(const RankEntries& entries, int count, BoardRows& rows);
// Ranks the cars, stores each car's position at its current lap, sets the gaps and
// rebuilds the rows' texts.
void rankRun(CarSlots& slots, RankingMode mode, int count, RankEntries& entries, BoardRows& rows);
// Each slot's best lap recomputed from its cumulative times; the first lap from the grid
// never counts, except with the staggered start.
void bestLapFromTable(CarSlots& slots, StartMode startMode);

} // namespace racedesk
