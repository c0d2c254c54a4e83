#include "core/app/tick.h"

#include "core/app/program.h"
#include "core/timing/decoder_link.h"
#include "core/timing/link_supervision.h"
#include "core/timing/run_engine.h"
#include "core/timing/scan_check.h"

namespace racedesk {

namespace {

void runDuties(Program& p) {
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

} // namespace

void tick(Program& p) {
    runDuties(p);
    // Whatever changed the board since the last tick, this tick's passings or a command of the
    // director, reaches the browsers from here.
    if (p.live.on)
        p.live.publish(p);
}

} // namespace racedesk
