#pragma once
#include <string>
#include <string_view>

namespace racedesk {

// The title lines that every printed document shares.
std::string categoryTitle(std::string_view categoryName);                      // "CATEGORIE : %s"
std::string raceLine(std::string_view raceName, std::string_view circuitName); // "Course : %s - %s"

} // namespace racedesk
