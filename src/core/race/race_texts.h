#pragma once
#include "core/common/texts.h"

namespace racedesk {

// Texts the race file receives from the program: what a new category is called.
enum class RaceText {
    DefaultCategoryName, // its number
    Count
};

const char* textUtf8(RaceText id);

} // namespace racedesk
