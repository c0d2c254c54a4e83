#include "core/timing/link_supervision.h"

#include "core/app/program.h"
#include "core/common/texts.h"
#include "core/timing/decoder_link.h"
#include "core/timing/journal_events.h"
#include "core/timing/run_engine.h"

#include <cstdio>
#include <cstring>

namespace racedesk {
namespace {

constexpr std::int64_t kKeepAlivePeriodMs = 400;
constexpr std::int64_t kRecoveryPeriodMs = 4500;
constexpr std::int64_t kRecoveryWaitMs = 99;

std::int64_t now(Program& p) {
    return p.io.clock.tickMs();
}

// The run's elapsed time, its milliseconds rounded down to tenths.
void formatRunTime(Program& p, char* text, int size) {
    const std::int64_t elapsed = now(p) - p.run.runClockStartMs;
    TimeParts t = splitTime(elapsed);
    t.millis -= t.millis % 100;
    formatShortTime(t, text, size);
}

// Appends to the loss report, never past its field.
void appendReport(Program& p, const char* format, const char* time) {
    char line[160];
    std::snprintf(line, sizeof line, format, time);
    char report[sizeof p.link.lossReport.data + sizeof line];
    std::snprintf(report, sizeof report, "%s%s", p.link.lossReport.c_str(), line);
    p.link.lossReport = report;
}

void reload(Program& p) {
    DecoderLink& link = p.link;
    link.reloadPending = false;
    if (!loadInterfaceSettings(p))
        return;
    if (link.isKt2() && link.connected == 1) {
        link.keepAliveActive = true;
        link.keepAliveMisses = 0;
        link.lastKeepAliveMs = now(p);
    }
}

void declareLoss(Program& p) {
    DecoderLink& link = p.link;
    closeDecoderPort(p);
    link.connected = 0;
    link.lastRecoveryMs = now(p);
    link.interfaceType = kTypeKt2;
    saveInterfaceSettings(p);
    link.keepAliveActive = false;
    link.lost = true;
    link.recoveryFailureShown = false;
    link.lossReport.clear();
    if (p.run.running) {
        char time[32];
        formatRunTime(p, time, sizeof time);
        appendReport(p, tx(Text::LossReport), time);
    }
}

void keepAlive(Program& p) {
    DecoderLink& link = p.link;
    if (now(p) - link.lastKeepAliveMs <= kKeepAlivePeriodMs)
        return;
    link.lastKeepAliveMs = now(p);
    if (writeDecoder(p, kKeepAliveCommand.data(), int(kKeepAliveCommand.size())) > 0) {
        link.keepAliveMisses = 0;
        return;
    }
    const bool lostNow = link.keepAliveMisses > 0;
    ++link.keepAliveMisses;
    if (lostNow)
        declareLoss(p);
}

// Waits for the identify reply; passings that arrive meanwhile reach the run as usual.
bool awaitIdentifyReply(Program& p) {
    const std::int64_t start = p.io.clock.counter();
    DecodeOutput out;
    for (;;) {
        const std::int64_t elapsed =
            counterMs(start, p.io.clock.counter(), p.io.clock.counterFrequency());
        readPassings(p, out, true);
        for (int i = 0; i < out.count; ++i) {
            if (p.run.running)
                processPassing(p, out.passings[std::size_t(i)]);
        }
        if (out.identifyReply && out.interfacePresent)
            return true;
        if (elapsed > kRecoveryWaitMs)
            return false;
        p.io.clock.pause();
    }
}

void recoverySucceeded(Program& p) {
    DecoderLink& link = p.link;
    link.connected = 1;
    link.reloadPending = true;
    link.keepAliveActive = false;
    link.lost = false;
    saveInterfaceSettings(p);
    if (p.run.running) {
        char time[32];
        formatRunTime(p, time, sizeof time);
        appendReport(p, tx(Text::RecoverySucceeded), time);
        p.io.dialogs.message(link.lossReport.c_str(), tx(Text::CaptionMessage), Icon::Information);
    }
}

void recoveryFailed(Program& p) {
    DecoderLink& link = p.link;
    if (!link.recoveryFailureShown) {
        link.recoveryFailureShown = true;
        appendReport(p, "%s", tx(Text::RecoveryFailed));
        p.io.dialogs.message(link.lossReport.c_str(), tx(Text::CaptionError), Icon::Error);
    }
    closeDecoderPort(p);
}

void attemptRecovery(Program& p) {
    DecoderLink& link = p.link;
    if (now(p) - link.lastRecoveryMs <= kRecoveryPeriodMs)
        return;
    link.lastRecoveryMs = now(p);
    if (p.io.serial.isOpen())
        closeDecoderPort(p);
    if (!openDecoderPort(p, link.portName.c_str()))
        return; // silent: tried again in 4.5 s
    link.rx.clear();
    writeDecoder(p, kIdentifyCommand.data(), int(kIdentifyCommand.size()));
    journalRecoveryWait(p, true);
    const bool replied = awaitIdentifyReply(p);
    journalRecoveryWait(p, false);
    if (replied)
        recoverySucceeded(p);
    else
        recoveryFailed(p);
}

} // namespace

void superviseLink(Program& p) {
    DecoderLink& link = p.link;
    // While the driver details dialog holds the port, nothing here touches it; the time away
    // is no silence of the interface, so the keep-alives start afresh after it.
    if (link.claimed) {
        link.keepAliveMisses = 0;
        link.lastKeepAliveMs = now(p);
        return;
    }
    if (link.reloadPending)
        reload(p);
    if (link.keepAliveActive)
        keepAlive(p);
    if (link.isKt2() && link.connected == 0 && link.lost)
        attemptRecovery(p);
}

void startDecoderLink(Program& p) {
    loadInterfaceSettings(p);
    if (recogniseInterface(p) == 0)
        p.io.dialogs.message(tx(Text::PortOpenFailed), tx(Text::CaptionMessage), Icon::Information);
    p.link.reloadPending = true;
}

} // namespace racedesk
