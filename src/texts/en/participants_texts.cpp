#include "core/race/participants_texts.h"

namespace racedesk {

const char* textUtf8(ParticipantsText id) {
    switch (id) {
    case ParticipantsText::TrackCaption:
        return "Track";
    case ParticipantsText::TrackRaceName:
        return "Event name :";
    case ParticipantsText::TrackClub:
        return "Organizing Club :";
    case ParticipantsText::TrackCircuit:
        return "Circuit :";
    case ParticipantsText::TrackCircuitGroup:
        return "The circuit";
    case ParticipantsText::TrackLength:
        return "Length :";
    case ParticipantsText::TrackMetres:
        return "m";
    case ParticipantsText::TrackLapRecord:
        return "Lap record :";
    case ParticipantsText::TrackRecordHolder:
        return "by";
    case ParticipantsText::TrackTown:
        return "Town :";
    case ParticipantsText::TrackProtection:
        return "Protection time :";
    case ParticipantsText::TrackSeconds:
        return "s";
    case ParticipantsText::TrackValidate:
        return "Enter";
    case ParticipantsText::ListCaption:
        return "List of drivers";
    case ParticipantsText::ListTitle:
        return "List of participants :";
    case ParticipantsText::ListInCategory:
        return " Participants in the category :";
    case ParticipantsText::ListDatabase:
        return " DataBase :";
    case ParticipantsText::ListCount:
        return "(%d)";
    case ParticipantsText::ListValidate:
        return "Validate";
    case ParticipantsText::ListFrozen:
        return "The qualifying has started: the list can no longer change; it can be read and "
               "printed.";
    case ParticipantsText::DetailsCaption:
        return "Driver's details";
    case ParticipantsText::DetailsDriver:
        return "Driver :";
    case ParticipantsText::DetailsTransponderGroup:
        return "Personal transponder";
    case ParticipantsText::DetailsTransponder:
        return "Transpd.";
    case ParticipantsText::DetailsScan:
        return "Scan";
    case ParticipantsText::DetailsScanOff:
        return "Off";
    case ParticipantsText::DetailsScanOn:
        return "On";
    case ParticipantsText::DetailsFrequencyGroup:
        return "Radio frequencies";
    case ParticipantsText::DetailsFrequency:
        return "Freq%d";
    case ParticipantsText::DetailsOk:
        return "OK";
    case ParticipantsText::DetailsErrInterfaceFile:
        return "Error: Interface file not found";
    case ParticipantsText::DetailsErrFrequenciesDatabase:
        return "Error: Frequencies database file not found";
    case ParticipantsText::DetailsErrParticipantsNotFound:
        return "Error: Title of participants list not found";
    case ParticipantsText::DetailsErrParticipantsNotWritten:
        return "Error: Title of participants list not found";
    case ParticipantsText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
