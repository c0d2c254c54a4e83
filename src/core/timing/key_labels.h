#pragma once
#include "core/timing/run_session.h"

#include <string>
#include <string_view>

namespace racedesk {

// The race file stores a run's choices as keys ("CLASSEMENTToursTemps", "DEPARTDecale") and
// its track condition as a French word; the director reads them in the program's language.
const char* labelOf(RankingMode m);
// A stored run summary ("Durée 0:05:00 - DEPARTSignalSonore - FINTEMPSFinirTour - Départ ...")
// with every start or end key in it replaced by its label.
std::string readableSummary(std::string_view stored);
// "Sec", "Pluie" or "Glace" in the program's language; another text as it is.
std::string readableCondition(std::string_view stored);

} // namespace racedesk
