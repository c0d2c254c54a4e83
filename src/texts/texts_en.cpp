#include "core/common/texts.h"

namespace racedesk {

// English build. A missing case does not compile (-Wswitch), so both languages stay complete.
const char* textUtf8(Text id) {
    switch (id) {
    case Text::CaptionError: return "Error";
    case Text::CaptionMessage: return "Message";
    case Text::CaptionTarvolin: return "Tarvolin";

    case Text::ErrInterfaceFile: return "Error: COM port file not found";
    case Text::PortOpenFailed: return "Could not open the COM port";
    case Text::LossReport: return "Failure of the decoder KT2 connection at %s.\n";
    case Text::RecoverySucceeded: return "Connection of the decoder KT2 restored at %s.";
    case Text::RecoveryFailed: return "Error : Connection not restored.";

    case Text::ClearQuestion:
        return "Are you sure you want to clear the results of the current run?\n"
               "The data will be definitively lost.";
    case Text::ErrDetailedResultsFile: return "Error: Detailed results file not found";
    case Text::ErrCircuitsDatabase: return "Error: Circuits database file not found";
    case Text::DurationLaps: return "%d laps";
    case Text::RunHeader: return "Duration %s - %s - %s - Start %02u/%02u/%04u %u:%02u";
    case Text::RestBeforeStart: return "%d:%02d before start";
    case Text::RestElapsed: return "%d:%02d delay elapsed";
    case Text::KeyStartSignal: return "STARTSoundSignal";
    case Text::KeyStartStaggered: return "STARTStaggered";
    case Text::KeyStartFirstCar: return "START1stCar";
    case Text::KeyEndTimeSignal: return "ENDSoundSignal";
    case Text::KeyEndTimeFinishLap: return "ENDCompleteCurrentLap";
    case Text::KeyEndLapsSignal: return "ENDSoundSignal";
    case Text::KeyEndLapsFinishLap: return "ENDCompleteCurrentLap";
    case Text::KeyEndLapsAllLaps: return "ENDCompleteAllLaps";

    case Text::ErrSoundSettings: return "Error: Sound settings file not found";

    case Text::Count: break;
    }
    return "";
}

} // namespace racedesk
