#pragma once
#include "core/common/fixed_text.h"
#include "core/platform/clock.h"
#include "core/timing/car_slot.h"
#include "core/timing/decoder_protocol.h"
#include "core/timing/journal_format.h"
#include "core/timing/run_session.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace racedesk {

// A run as its Start record gives it.
struct JournalRunStart {
    std::int64_t stamp = 0; // identifies the run within its journal
    FixedText<48> sectionTitle;
    int category = 0;
    int itemCode = 0;
    int round = 0;
    int heat = 0;
    std::string raceFile; // the race's own file; empty when it was untitled
    FixedText<120> runTitle;
    FixedText<16> interfaceType;
    TimeBase base;
    RunSession settings; // only its settings are set
    LocalDateTime at;
    std::array<FixedText<40>, kCarCount> names;
    std::array<FixedText<7>, kCarCount> transponders;
};

// How a run's records end.
enum class JournalRunEnd {
    Open,    // neither stopped, cleared nor committed: the program went away during it
    Stopped, // stopped, not yet committed or cleared
    Cleared,
    Committed,
    Declined, // interrupted, and the director chose not to take it back
};

struct JournalRun {
    JournalRunStart start;
    // Those after its Start up to its commit, clear or the next Start, and the results
    // corrected on the board in its section since.
    std::vector<JournalRecord> records;
    JournalRunEnd end = JournalRunEnd::Open;
    std::int64_t lastStamp = 0; // of its last record
};

// False when the payload is not a whole Start record.
bool parseRunStart(const JournalRecord& record, JournalRunStart& start);

// The runs of a journal, in order; a Start record that cannot be read is skipped with its
// records.
std::vector<JournalRun> journalRuns(const std::vector<JournalRecord>& records);

// The local time of a run's last record, from the time of its start.
LocalDateTime lastRecordTime(const JournalRun& run);

} // namespace racedesk
