#include "core/timing/transponder_modes.h"

#include "core/app/program.h"
#include "core/common/text_builder.h"
#include "core/common/texts.h"
#include "core/timing/journal_events.h"

namespace racedesk {
namespace {

bool allDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

void clearAllTransponders(Program& p) {
    for (CarSlot& s : p.slots)
        s.transponder.clear();
    for (RankEntry& e : p.entries)
        e.transponder.clear();
    for (BoardRow& r : p.rows)
        r.transponder.clear();
    p.io.screen.invalidate(BoardArea::Rows);
}

} // namespace

const char* scanStatusText(ScanStatus status) {
    switch (status) {
    case ScanStatus::Off:
        return tx(Text::ScanStatusOff);
    case ScanStatus::Scanning:
        return tx(Text::ScanStatusScanning);
    case ScanStatus::Checking:
        return tx(Text::ScanStatusChecking);
    case ScanStatus::CheckDone:
        return tx(Text::ScanStatusCheckDone);
    }
    return tx(Text::ScanStatusOff);
}

void setTransponderMode(Program& p, TransponderMode mode) {
    p.scan.mode = mode;
    if (mode == TransponderMode::Personal)
        applyParticipantTransponders(p);
    else
        clearAllTransponders(p);
}

void applyParticipantTransponders(Program& p) {
    if (p.scan.mode != TransponderMode::Personal)
        return;
    for (const CarSlot& s : p.slots) {
        if (s.isEmptySlot())
            continue;
        for (const Participant& d : p.participants) {
            if (d.name == s.name.view())
                giveTransponder(p, s.name.view(), d.transponder.view());
        }
    }
}

void giveTransponder(Program& p, std::string_view driver, std::string_view transponder) {
    for (CarSlot& s : p.slots) {
        if (!s.isEmptySlot() && s.name == driver)
            s.transponder = transponder;
    }
    for (RankEntry& e : p.entries) {
        if (!e.name.empty() && e.name == driver)
            e.transponder = transponder;
    }
    for (BoardRow& r : p.rows) {
        if (!r.name.empty() && r.name == driver)
            r.transponder = transponder;
    }
    p.io.screen.invalidate(BoardArea::Rows);
}

bool packTransponderText(const TransponderPack& pack, int index, FixedText<7>& text) {
    if (index < 0 || index >= kPackTransponderCount)
        return false;
    const std::string_view typed = pack.transponders[std::size_t(index)].view();
    if (!allDigits(typed) || typed.size() > 6)
        return false;
    int number = 0;
    for (const char c : typed)
        number = number * 10 + (c - '0');
    TextBuilder(text.data, int(sizeof text.data)).number(number, 6);
    return true;
}

int packIndexOf(const TransponderPack& pack, std::string_view transponder) {
    for (int i = 0; i < kPackTransponderCount; ++i) {
        FixedText<7> text;
        if (packTransponderText(pack, i, text) && text == transponder)
            return i;
    }
    return -1;
}

void giveClubTransponder(Program& p, int row, int index) {
    if (row < 0 || row >= p.entryCount || p.scan.pack < 0 || p.scan.pack >= kPackCount)
        return;
    FixedText<7> text;
    if (!packTransponderText(p.packs[std::size_t(p.scan.pack)], index, text))
        return;
    const FixedText<40> driver = p.rows[std::size_t(row)].name;
    journalTransponder(p, TransponderSource::Club, driver.view(), text.view());
    giveTransponder(p, driver.view(), text.view());
}

} // namespace racedesk
