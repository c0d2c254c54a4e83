#include "core/app/tick.h"

#include "core/app/program.h"
#include "core/timing/decoder_link.h"
#include "core/timing/link_supervision.h"
#include "core/timing/run_engine.h"
#include "core/timing/scan_check.h"

namespace racedesk {

void tick(Program& p) {
    superviseLink(p);
    tickRestPeriod(p);
    if (p.run.starting)
        return;
    if (p.run.countdown)
        tickCountdown(p);
    else if (p.run.running)
        tickRunning(p);
    else if (p.scan.on)
        tickScan(p);
    else if (!p.link.claimed)
        discardDecoderBytes(p);
}

} // namespace racedesk
