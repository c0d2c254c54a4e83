#include "core/timing/run_texts.h"

namespace racedesk {

const char* textUtf8(RunText id) {
    switch (id) {
    case RunText::MenuEdit:
        return "Edition";
    case RunText::ItemUndoManualLap:
        return "Annuler dernier passage manuel";
    case RunText::NothingToUndo:
        return "Aucun passage manuel à annuler dans cette série.";
    case RunText::ConflictBanner:
        return "Conflit radio : %s";
    case RunText::LabelRankingLapsTime:
        return "Classement aux tours et au temps";
    case RunText::LabelRankingBestLap:
        return "Classement au meilleur tour";
    case RunText::LabelStartSignal:
        return "Départ au signal sonore";
    case RunText::LabelStartStaggered:
        return "Départ décalé";
    case RunText::LabelStartFirstCar:
        return "Départ à la première voiture";
    case RunText::LabelEndTimeSignal:
    case RunText::LabelEndLapsSignal:
        return "Fin au signal sonore";
    case RunText::LabelEndTimeFinishLap:
    case RunText::LabelEndLapsFinishLap:
        return "Fin en finissant le tour";
    case RunText::LabelEndLapsAllLaps:
        return "Fin après tous les tours";
    case RunText::Count:
        break;
    }
    return "";
}

} // namespace racedesk
