#pragma once
#include "core/common/texts.h"

namespace racedesk {

// Texts of the program around its window.
enum class AppText {
    HelpNotOpened, // the guide's path
    Count
};

const char* textUtf8(AppText id);

} // namespace racedesk
