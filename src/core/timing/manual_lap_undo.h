#pragma once
#include "core/timing/car_slot.h"
#include "core/timing/run_session.h"

namespace racedesk {

struct Program;

// Takes back the lap the last car button added in the run in progress: the lap goes from the
// car's tables (the lap after it, if any, now runs from the lap before), and the car's best
// lap, the run's best, the ranking and the board follow. A car that the lap finished races
// on. False when there is nothing to take back.
bool undoLastManualLap(Program& p);

// Removes lap 'lap' (1 to laps) from the slot, joining it with the lap after it, and works
// out the slot's best lap again from its measured laps.
void removeLap(CarSlot& slot, int lap, StartMode startMode);

} // namespace racedesk
