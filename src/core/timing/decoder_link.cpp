#include "core/timing/decoder_link.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/timing/journal_events.h"

namespace racedesk {
namespace {

constexpr std::int64_t kRecognitionWaitMs = 99;
// The clock reset and its reply take about 12.5 ms on the wire at 9600 baud.
constexpr std::int64_t kClockResetWaitMs = 30;
// A reset whose reply has not come by then is sent again.
constexpr std::int64_t kClockResetRetryMs = 250;

std::int64_t elapsedMs(Program& p, std::int64_t since) {
    return counterMs(since, p.io.clock.counter(), p.io.clock.counterFrequency());
}

} // namespace

bool openDecoderPort(Program& p, const char* portName) {
    p.link.rx.clear();
    journalPortReset(p);
    return p.io.serial.open(portName);
}

int writeDecoder(Program& p, const std::uint8_t* bytes, int count) {
    return p.io.serial.write(bytes, count);
}

int readDecoder(Program& p) {
    ReceiveBuffer& rx = p.link.rx;
    const int n =
        p.io.serial.read(rx.bytes.data() + rx.count, rx.stamps.data() + rx.count, rx.room());
    if (n <= 0)
        return 0;
    journalDecoderBytes(p, rx.bytes.data() + rx.count, rx.stamps.data() + rx.count, n);
    rx.count += n;
    return n;
}

bool closeDecoderPort(Program& p) {
    p.io.serial.close();
    p.link.rx.clear();
    journalPortReset(p);
    return true;
}

InterfaceSettings interfaceSettingsOf(const DecoderLink& link) {
    InterfaceSettings s;
    s.portName = link.portName.view();
    s.connected = link.connected;
    s.type = link.interfaceType.view();
    return s;
}

bool saveInterfaceSettings(Program& p) {
    if (writeInterfaceSettings(p.path(kInterfaceSettingsFile), interfaceSettingsOf(p.link)))
        return true;
    p.showError(tx(Text::ErrInterfaceFile));
    return false;
}

bool loadInterfaceSettings(Program& p) {
    InterfaceSettings s = interfaceSettingsOf(p.link);
    if (!readInterfaceSettings(p.path(kInterfaceSettingsFile), s)) {
        p.showError(tx(Text::ErrInterfaceFile));
        return false;
    }
    p.link.portName = s.portName.view();
    p.link.connected = s.connected;
    p.link.interfaceType = s.type.view();
    return true;
}

int recogniseInterface(Program& p) {
    DecoderLink& link = p.link;
    link.connected = 0;
    if (!openDecoderPort(p, link.portName.c_str())) {
        link.interfaceType = kTypeKt1;
        saveInterfaceSettings(p);
        return 0;
    }
    writeDecoder(p, kIdentifyCommand.data(), int(kIdentifyCommand.size()));
    const std::int64_t start = p.io.clock.counter();
    link.interfaceType = kTypeKt1;
    for (;;) {
        const std::int64_t elapsed = elapsedMs(p, start);
        readDecoder(p);
        if (scanIdentifyReply(link.rx)) {
            link.interfaceType = kTypeKt2;
            break;
        }
        if (elapsed > kRecognitionWaitMs)
            break; // a silent interface is a KT1
        p.io.clock.pause();
    }
    link.rx.clear();
    link.connected = 1;
    saveInterfaceSettings(p);
    return 1;
}

void readPassings(Program& p, DecodeOutput& out, bool recoveryWaiting) {
    readDecoder(p);
    decodePassings(p.link.rx, p.link.kind(), recoveryWaiting, p.link.timeBase, out);
}

void discardDecoderBytes(Program& p) {
    readDecoder(p);
    p.link.rx.clear();
}

bool synchroniseClock(Program& p) {
    DecoderLink& link = p.link;
    Clock& clock = p.io.clock;
    link.timeBase.frequency = clock.counterFrequency();
    if (!link.isKt2()) {
        link.timeBase.counter = clock.counter();
        link.synchronised = true;
        return true;
    }
    // A second reset is sent only once the first one's reply can no longer come, so that a
    // late reply is never taken for the answer to a newer reset.
    if (!link.resetOutstanding || elapsedMs(p, link.resetSentCounter) > kClockResetRetryMs) {
        link.rx.clear();
        if (writeDecoder(p, kClockResetCommand.data(), int(kClockResetCommand.size())) <= 0)
            return false;
        link.resetOutstanding = true;
        link.resetSentCounter = clock.counter();
    }
    for (;;) {
        readDecoder(p);
        if (scanClockResetReply(link.rx)) {
            link.timeBase.counter = clock.counter();
            link.synchronised = true;
            link.resetOutstanding = false;
            return true;
        }
        if (elapsedMs(p, link.resetSentCounter) > kClockResetWaitMs)
            return false;
        clock.pause();
    }
}

std::int64_t hostPassingTime(Program& p) {
    const TimeBase& base = p.link.timeBase;
    return counterMs(base.counter, p.io.clock.counter(), base.frequency);
}

} // namespace racedesk
