#include "core/live/live_texts.h"

namespace racedesk {

const char* textUtf8(LiveText id) {
    switch (id) {
    case LiveText::MenuItem:
    case LiveText::Caption:
        return "Live results";
    case LiveText::SwitchOn:
        return "Publish the live results on the network";
    case LiveText::Port:
        return "Port";
    case LiveText::Address:
        return "Address to give people";
    case LiveText::AddressHint:
        return "On the same network (the club's Wi-Fi), a phone scans this code or types the "
               "address.";
    case LiveText::ServerOff:
        return "The live results are off.";
    case LiveText::ErrPortUnavailable:
        return "Error: port %d is already in use or refused; the live results are off.";
    case LiveText::ErrSettings:
        return "Error: the Live results settings file cannot be written";
    case LiveText::PageTitle:
        return "Live results";
    case LiveText::PageNoRun:
        return "No heat on the board yet.";
    case LiveText::PageReconnecting:
        return "Connection lost, trying again…";
    case LiveText::PageMeeting:
        return "The meeting";
    case LiveText::PageDuration:
        return "Duration";
    case LiveText::PageRemaining:
        return "Remaining";
    case LiveText::PageElapsed:
        return "Elapsed";
    case LiveText::PageCountdown:
        return "Start in";
    case LiveText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
