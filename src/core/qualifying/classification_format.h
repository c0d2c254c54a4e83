#pragma once
#include "core/common/race_time.h"
#include "core/qualifying/classification_texts.h"

#include <string>
#include <string_view>

namespace racedesk {

// The small texts the classification tables and printed lists share, in Windows-1252.

std::string numberText(int value);
// The round an item comes from, "(3)"; empty for an empty item (round 0).
std::string roundTag(int round);
std::string fullTimeText(RaceTime time);  // the dialogs' form, minutes always shown
std::string shortTimeText(RaceTime time); // the printed lists' form
// A text of the table with one number, or with a name and then a number.
std::string formatted(ClassificationText pattern, int value);
std::string formatted(ClassificationText pattern, std::string_view name, int value);

} // namespace racedesk
