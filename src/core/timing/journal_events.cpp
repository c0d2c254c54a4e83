#include "core/timing/journal_events.h"

#include "core/app/program.h"
#include "core/common/text_builder.h"
#include "core/timing/journal_format.h"

namespace racedesk {
namespace {

// A user race file name longer than this is not kept: the record must stay whole.
constexpr std::size_t kMaxRaceFileName = 1024;

struct Payload {
    char buffer[kJournalMaxPayload + 1];
    TextBuilder text{buffer, int(sizeof buffer)};

    Payload& field(std::string_view s) {
        text.put(s).put('\t');
        return *this;
    }
    Payload& field(std::int64_t n) {
        text.number(n).put('\t');
        return *this;
    }
    std::string_view view() const { return {buffer, std::size_t(text.length())}; }
};

std::int64_t stampNow(Program& p) {
    return p.io.clock.counter();
}

void addDate(Payload& out, const LocalDateTime& d) {
    char date[32];
    TextBuilder b(date, int(sizeof date));
    b.number(d.year, 4).put('-').number(d.month, 2).put('-').number(d.day, 2);
    out.field(std::string_view(b.c_str()));
    TextBuilder t(date, int(sizeof date));
    t.number(d.hour, 2).put(':').number(d.minute, 2).put(':').number(d.second, 2);
    out.field(std::string_view(t.c_str()));
}

void addSettings(Payload& out, const RunSession& run) {
    out.field(keyOf(run.ranking))
        .field(keyOf(run.durationMode))
        .field(keyOf(run.startMode))
        .field(keyOf(run.endOfTime))
        .field(keyOf(run.endOfLaps))
        .field(run.durationMinutes)
        .field(run.targetLaps)
        .field(run.minLapSeconds)
        .field(run.maxLaps)
        .field(run.maxHoursLapsRun)
        .field(run.circuitIndex);
}

} // namespace

void journalDecoderBytes(Program& p, const std::uint8_t* bytes, const std::int64_t* stamps,
                         int count) {
    if (!p.journal.isOpen())
        return;
    std::uint8_t payload[kJournalMaxPayload];
    const std::size_t size = composeByteSegments(bytes, stamps, count, payload);
    p.journal.append(JournalType::Bytes, stamps[0],
                     std::string_view(reinterpret_cast<const char*>(payload), size));
}

void journalSession(Program& p) {
    p.journal.append(JournalType::Session, stampNow(p), {}, true);
}

void journalPortReset(Program& p) {
    p.journal.append(JournalType::PortReset, stampNow(p), {});
}

void journalRunStart(Program& p) {
    if (!p.journal.isOpen())
        return;
    Payload out;
    const LoadedRun& l = p.loaded;
    const std::string_view raceFile =
        p.userRaceFile.size() <= kMaxRaceFileName ? std::string_view(p.userRaceFile) : "";
    out.field(l.sectionTitle.view()).field(l.category).field(l.itemCode).field(l.round);
    out.field(l.heat).field(raceFile).field(l.runTitle.view());
    out.field(p.link.interfaceType.view())
        .field(p.link.timeBase.counter)
        .field(p.link.timeBase.frequency);
    addSettings(out, p.run);
    addDate(out, p.io.clock.localNow());
    for (const CarSlot& s : p.slots)
        out.field(s.name.view()).field(s.transponder.view());
    p.journal.append(JournalType::Start, stampNow(p), out.view(), true);
}

void journalRunClock(Program& p, std::int64_t offset) {
    Payload out;
    out.field(offset).field(p.link.timeBase.counter);
    p.journal.append(JournalType::Go, stampNow(p), out.view());
}

void journalManualPassing(Program& p, int carNumber, std::int64_t hostMs) {
    Payload out;
    out.field(carNumber).field(hostMs);
    p.journal.append(JournalType::Manual, stampNow(p), out.view());
}

void journalRunStop(Program& p) {
    p.journal.append(JournalType::Stop, stampNow(p), {}, true);
}

void journalRunClear(Program& p) {
    Payload out;
    out.field(p.loaded.sectionTitle.view());
    p.journal.append(JournalType::Clear, stampNow(p), out.view(), true);
}

void journalRunCommit(Program& p) {
    Payload out;
    out.field(p.loaded.sectionTitle.view());
    p.journal.append(JournalType::Commit, stampNow(p), out.view(), true);
}

void journalResultEdit(Program& p, int row, int field, const std::array<int, 13>& values) {
    Payload out;
    out.field(p.loaded.sectionTitle.view()).field(row).field(field);
    for (const int v : values)
        out.field(v);
    p.journal.append(JournalType::Edit, stampNow(p), out.view(), true);
}

void journalTransponder(Program& p, TransponderSource source, std::string_view driver,
                        std::string_view transponder) {
    Payload out;
    out.field(source == TransponderSource::Club ? "club" : "scan").field(driver).field(transponder);
    p.journal.append(JournalType::Transponder, stampNow(p), out.view(), true);
}

void journalManualUndo(Program& p) {
    p.journal.append(JournalType::Undo, stampNow(p), {}, true);
}

void journalRecoveryWait(Program& p, bool waiting) {
    Payload out;
    out.field(waiting ? 1 : 0);
    p.journal.append(JournalType::Recovery, stampNow(p), out.view());
}

void journalRunDeclined(Program& p, std::int64_t startStamp) {
    Payload out;
    out.field(startStamp);
    p.journal.append(JournalType::Declined, stampNow(p), out.view(), true);
}

} // namespace racedesk
