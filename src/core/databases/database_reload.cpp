#include "core/databases/database_reload.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/databases/circuits.h"
#include "core/databases/transponder_packs.h"
#include "core/race/section_file.h"
#include "core/race/track_section.h"
#include "core/race/working_race_file.h"

namespace racedesk {

void reloadCircuits(Program& p) {
    if (!readCircuits(p.path(kCircuitsFile), p.circuits))
        p.showError(tx(Text::ErrCircuitsDatabase));
    SectionFile race(p.path(kWorkingRaceFile));
    TrackSettings track;
    readTrack(race, track);
    p.run.circuitIndex = circuitIndexByName(p.circuits, track.circuit.view());
}

void reloadTransponderPacks(Program& p) {
    if (!readTransponderPacks(p.path(kTransponderPacksFile), p.packs))
        p.showError(tx(Text::ErrTranspondersDatabase));
}

} // namespace racedesk
