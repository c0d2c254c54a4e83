#pragma once
#include <array>
#include <cstdint>
#include <string_view>

namespace racedesk {

struct Program;

// What the program hands its decoder journal. None of these allocates: they are called from
// the tick.

// What one read took from the decoder, with the bytes' arrival stamps.
void journalDecoderBytes(Program& p, const std::uint8_t* bytes, const std::int64_t* stamps,
                         int count);
// The program started and opened its journal.
void journalSession(Program& p);
// The port was opened or closed: the unread bytes were dropped with it.
void journalPortReset(Program& p);
// The run's time base is fixed (after the countdown): its identity, settings and cars.
void journalRunStart(Program& p);
// The run clock starts, `offset` taken off every passing time from then on.
void journalRunClock(Program& p, std::int64_t offset);
// A manual passing of car 1 to 20 at `hostMs`, milliseconds of the host clock since the base.
void journalManualPassing(Program& p, int carNumber, std::int64_t hostMs);
void journalRunStop(Program& p);
void journalRunClear(Program& p);
void journalRunCommit(Program& p);
// A result corrected on the board: the heat's section, the row, the field changed and all the
// row's fields.
void journalResultEdit(Program& p, int row, int field, const std::array<int, 13>& values);
// How a driver came by a transponder other than their own.
enum class TransponderSource { Club, Scan };
// The driver of the run took that transponder.
void journalTransponder(Program& p, TransponderSource source, std::string_view driver,
                        std::string_view transponder);
// The last manual passing of the run was taken back.
void journalManualUndo(Program& p);
// A recovery of the link waits for the decoder's identify reply (`waiting`), or is over: the
// reads between the two are decoded as the recovery decodes them.
void journalRecoveryWait(Program& p, bool waiting);
// The director chose not to take back the interrupted run that started at `startStamp`.
void journalRunDeclined(Program& p, std::int64_t startStamp);

} // namespace racedesk
