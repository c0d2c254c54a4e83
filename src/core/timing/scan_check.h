#pragma once
#include "core/timing/passing.h"
#include "core/timing/ranking.h"

namespace racedesk {

struct Program;

// The scan of mixed mode: the cars cross the line one by one and take the transponders in
// crossing order, then a check lap verifies that order.

// Scan pressed down: gives false when the scan cannot start now (not mixed mode, a run in
// progress, or already on).
bool pressScan(Program& p);
// Scan released at any moment: the transponders already taken are kept.
void releaseScan(Program& p);
// The tick's duty while scan mode is on: the passings read go to the scan or the check.
void tickScan(Program& p);

void scanPassing(Program& p, const Passing& passing);
// A check passing at `timeMs` of the host clock since the check's time base.
void checkPassing(Program& p, const Passing& passing, std::int64_t timeMs);

// The cars crossed in car order: the ranked entries have strictly increasing car numbers.
// With no driver at all, nothing was verified: false.
bool crossedInCarOrder(const RankEntries& entries, int count);

} // namespace racedesk
