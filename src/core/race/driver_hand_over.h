#pragma once

namespace racedesk {

struct Program;

// Ctrl+click on board row 'row' (in ranking order): that row's car is written to
// "ResultatPilote.res" with the run title, the circuit and the run summary, for the driver
// analysis. False when the row holds no car; a file that cannot be written is reported and
// the analysis still opens.
bool handOverDriverResult(Program& p, int row);

} // namespace racedesk
