#pragma once
#include "core/common/texts.h"

namespace racedesk {

// Texts of the live results: the settings dialog and the board page of the browsers.
enum class LiveText {
    MenuItem,
    Caption,
    SwitchOn,
    Port,
    Address,
    AddressHint,
    ServerOff,
    ErrPortUnavailable, // the port
    ErrSettings,
    PageTitle,
    PageNoRun,
    PageReconnecting,
    PageMeeting,
    PageDuration,
    PageRemaining,
    PageElapsed,
    PageCountdown,
    Count
};

const char* textUtf8(LiveText id);

} // namespace racedesk
