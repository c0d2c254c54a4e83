#pragma once
#include "support/test_program.h"

#include <string>

namespace racedesk::test {

// A whole meeting run through the core functions with scripted decoder passings, as a race
// director leaves it: the race "Coupe d'Été <Sud> & Co" with two categories. "Tourisme 1/10"
// has sixteen drivers (the first "Zoé <Ève> & Co") with licences and clubs in the drivers
// database, qualifies over two rounds of two heats with both rounds' and the overall
// classifications confirmed, then runs every final from the lowest level up to the Final.
// "Open" has four drivers and no results. Gives an empty text, or what went wrong.
std::string runWholeMeeting(TestProgram& t);

} // namespace racedesk::test
