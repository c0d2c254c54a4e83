#pragma once

namespace racedesk {

struct Program;

// The link duties of the tick, before anything else: reload of the interface settings,
// KT2 keep-alive every 400 ms, loss after two failed keep-alives, recovery every 4500 ms.
void superviseLink(Program& p);

// Start-up: the saved interface settings, then the handshake on the saved port.
// A port that does not open is reported once.
void startDecoderLink(Program& p);

} // namespace racedesk
