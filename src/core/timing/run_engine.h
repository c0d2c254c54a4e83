#pragma once
#include "core/databases/circuits.h"
#include "core/timing/car_slot.h"
#include "core/timing/decoder_protocol.h"
#include "core/timing/passing.h"
#include "core/timing/run_session.h"

namespace racedesk {

struct Program;

// The run defaults of a new program: ranked by laps then time, a timed run of 1 minute,
// 1 lap, 5 s countdown, no rest period, minimum lap time 2 s, at most 150 laps.
void setRunDefaults(RunSession& run);

// Every slot empty ("(NA)"), then reset.
void emptySlots(CarSlots& slots);
// Prepares the slots for a new run: numbers 1 to 20, no laps; an empty slot gets the
// no-time value in its times and is finished.
void resetSlots(CarSlots& slots);

// The run commands: the clear (2003), start (2001) and stop (2002) buttons, and the car
// buttons 2201 to 2220 (car 1 to 20).
void clearRun(Program& p);
void startRun(Program& p);
void stopRun(Program& p);
void manualPassing(Program& p, int carNumber);
// The manual passing of a car at `hostMs`, milliseconds of the host clock since the time base:
// what the button does, and what a replay of the journal does with its record.
void manualPassingAt(Program& p, int carNumber, std::int64_t hostMs);
// The run's summary line ("Durée ... - Départ ..."), dated now.
void buildRunHeader(Program& p);
// The run clock starts, at the signal (offset 0, the time base taken now) or by the first car
// whose passing was at `offset`.
void startRunClock(Program& p, std::int64_t offset);
// Decoded passings while the run waits for its first car or is in progress.
void processPassings(Program& p, const DecodeOutput& out);

// Makes the run ready from its slots: no laps, clocks at zero, the rows rebuilt.
void prepareRun(Program& p);
// The board's set duration ("%d:%02d:00" or "%d tours") and countdown ("%ds") from the run's
// settings, for a run whose settings changed while it stays on the board.
void showRunSettings(RunSession& run);
// What clear does once the director said yes: the run made ready, "DetailResultats.res"
// written from the cleared slots, the summary "." and the comment emptied.
void clearRunResults(Program& p);

// One decoded passing while a run is in progress: every unfinished slot holding its
// transponder gets it.
void processPassing(Program& p, const Passing& passing);

// A passing that ends a lap; 'manual' when a car button made it.
void recordLap(CarSlot& slot, RaceTime runTime, StartMode startMode, bool manual = false);
// The first lap whose time can be a best lap.
int firstTimedLap(StartMode startMode);
void updateRunBest(CarSlots& slots, int slot, RaceTime& runBestLap);
void updateTrackRecord(CircuitTable& circuits, const CarSlot& slot, int circuitIndex);

// The duties of the tick: the rest period clock, the countdown and the start, the race clock
// with the passings and the end rules.
void tickRestPeriod(Program& p);
void tickCountdown(Program& p);
void tickRunning(Program& p);

} // namespace racedesk
