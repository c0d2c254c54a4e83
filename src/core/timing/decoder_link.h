#pragma once
#include "core/common/fixed_text.h"
#include "core/timing/decoder_protocol.h"
#include "core/timing/interface_settings.h"

#include <cstdint>

namespace racedesk {

struct Program;

// The one connection to the timing hardware: the serial port, the kind of interface on it,
// and for KT2 the supervision of the connection.
struct DecoderLink {
    FixedText<6> portName;
    int connected = 0;
    FixedText<16> interfaceType{kTypeKt1};
    bool reloadPending = false;
    bool keepAliveActive = false;
    int keepAliveMisses = 0;
    std::int64_t lastKeepAliveMs = 0;
    bool lost = false;
    std::int64_t lastRecoveryMs = 0;
    FixedText<115> lossReport;
    bool recoveryFailureShown = false; // a failed recovery is reported once per loss
    bool synchronised = false;
    TimeBase timeBase;
    ReceiveBuffer rx;
    bool claimed = false;          // the driver details dialog has the port
    bool resetOutstanding = false; // a clock reset was sent and its reply may still come
    std::int64_t resetSentCounter = 0;

    bool isKt2() const { return interfaceType == kTypeKt2; }
    InterfaceKind kind() const { return isKt2() ? InterfaceKind::KT2 : InterfaceKind::KT1; }
};

bool openDecoderPort(Program& p, const char* portName);
int writeDecoder(Program& p, const std::uint8_t* bytes, int count);
// Reads at most 255 bytes behind the unread tail of the last read; gives their number.
int readDecoder(Program& p);
bool closeDecoderPort(Program& p);

// The handshake on the link's port name: KT2 when it answers identify within 100 ms,
// KT1 when it stays silent, not connected when the port does not open. The result is
// written to the interface settings file. Gives connected.
int recogniseInterface(Program& p);

// One read decoded into passings (and, while a recovery waits, identify replies).
void readPassings(Program& p, DecodeOutput& out, bool recoveryWaiting = false);
// What arrived is read and thrown away, so old passings never reach a run.
void discardDecoderBytes(Program& p);

// Fixes the time base at the start of a run: at once for KT1, on the clock reset reply
// for KT2. Called on every tick of a start until it gives true.
bool synchroniseClock(Program& p);

// Milliseconds of the host clock since the time base (KT1 passings, manual passings).
std::int64_t hostPassingTime(Program& p);

// The link's own settings as the file holds them.
InterfaceSettings interfaceSettingsOf(const DecoderLink& link);
bool saveInterfaceSettings(Program& p);
// Reads the interface settings file into the link; shows the error when it is missing.
bool loadInterfaceSettings(Program& p);

} // namespace racedesk
