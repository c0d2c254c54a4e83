#pragma once
#include "core/timing/car_slot.h"
#include "core/timing/run_session.h"

#include <string>

namespace racedesk {

inline constexpr const char* kDetailResultsFile = "DetailResultats.res";

// The run for the detailed results dialog: the ranking-mode key on the first line, then one
// line per car slot: name, passings n, and the passing times 1 to n, each followed by a tab.
bool writeDetailResults(const std::string& path, RankingMode mode, const CarSlots& slots);
// The dialog's side: each slot gets the name, n and the passing times 1 to n of its line, and
// nothing else; slots without a line are "(NA)". False when the file cannot be opened, every
// slot then "(NA)".
bool readDetailResults(const std::string& path, RankingMode& mode, CarSlots& slots);

} // namespace racedesk
