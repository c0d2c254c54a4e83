#include "core/app/startup.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/databases/circuits.h"
#include "core/databases/transponder_packs.h"
#include "core/race/working_race_file.h"
#include "core/settings/display_settings.h"
#include "core/timing/journal_files.h"
#include "core/timing/run_engine.h"
#include "core/timing/sound_settings.h"

namespace racedesk {

void startUp(Program& p) {
    if (!startWorkingRaceFile(p.workDir))
        p.showError(tx(Text::ErrRaceFile));
    if (!readCircuits(p.path(kCircuitsFile), p.circuits))
        p.showError(tx(Text::ErrCircuitsDatabase));
    if (!readTransponderPacks(p.path(kTransponderPacksFile), p.packs))
        p.showError(tx(Text::ErrTranspondersDatabase));
    if (!readSoundSettings(p.path(kSoundSettingsFile), p.sounds))
        p.showError(tx(Text::ErrSoundSettings));
    if (!readDisplaySettings(p.path(kDisplaySettingsFile), p.display))
        p.showError(tx(Text::ErrDisplaySettings));
    emptySlots(p.slots);
    setRunDefaults(p.run);
    openDayJournal(p);
}

} // namespace racedesk
