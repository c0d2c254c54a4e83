#include "core/live/live_snapshot.h"

#include "core/app/program.h"

#include <algorithm>
#include <cstring>

namespace racedesk {

void captureSnapshot(const Program& p, LiveSnapshot& out) {
    out.runTitle = p.loaded.runTitle.view();
    out.header = p.run.header.view();
    out.durationText = p.run.durationText.view();
    out.elapsedText = p.run.elapsedText.view();
    out.remainingText = p.run.remainingText.view();
    out.countdownText = p.run.countdownText.view();
    out.countdown = p.run.countdown;
    out.running = p.run.running;
    out.rowCount = static_cast<unsigned char>(std::clamp(p.entryCount, 0, kCarCount));
    std::memcpy(&out.rows, &p.rows, sizeof out.rows);
}

bool sameSnapshot(const LiveSnapshot& a, const LiveSnapshot& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace racedesk
