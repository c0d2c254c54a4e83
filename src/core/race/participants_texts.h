#pragma once
#include "core/common/texts.h"

namespace racedesk {

// The texts of the track dialog, the participants list dialog and the driver details dialog.
enum class ParticipantsText {
    // "Piste"
    TrackCaption,
    TrackRaceName,
    TrackClub,
    TrackCircuit,
    TrackCircuitGroup,
    TrackLength,
    TrackMetres,
    TrackLapRecord,
    TrackRecordHolder,
    TrackTown,
    TrackProtection,
    TrackSeconds,
    TrackValidate,

    // "Liste des pilotes"
    ListCaption,
    ListTitle,
    ListInCategory,
    ListDatabase,
    ListCount,
    ListValidate,
    ListFrozen, // why the buttons are greyed

    // "Détails pilote"
    DetailsCaption,
    DetailsDriver,
    DetailsTransponderGroup,
    DetailsTransponder,
    DetailsScan,
    DetailsScanOff,
    DetailsScanOn,
    DetailsFrequencyGroup,
    DetailsFrequency,
    DetailsOk,
    DetailsErrInterfaceFile,
    DetailsErrFrequenciesDatabase,
    DetailsErrParticipantsNotFound,
    DetailsErrParticipantsNotWritten,
    Count
};

const char* textUtf8(ParticipantsText id);

} // namespace racedesk
