#include "core/timing/journal_replay.h"

#include "core/app/program.h"
#include "core/common/field_reader.h"
#include "core/race/results_editing.h"
#include "core/timing/decoder_link.h"
#include "core/timing/manual_lap_undo.h"
#include "core/timing/run_engine.h"
#include "core/timing/transponder_modes.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace racedesk {
namespace {

// The outside world of a replay: time is the journal's, and nothing is heard, asked or shown.
struct ReplayWorld : Clock, SerialPort, SoundPlayer, Dialogs, Screen {
    std::int64_t now = 0;
    std::int64_t frequency = 1;
    LocalDateTime date;
    // A recovery of the link waits for the identify reply: reads are decoded as it decodes them.
    bool recoveryWaiting = false;

    std::int64_t tickMs() override { return counterMs(0, now, frequency); }
    std::int64_t counter() override { return now; }
    std::int64_t counterFrequency() override { return frequency; }
    LocalDateTime localNow() override { return date; }
    void pause() override {}
    bool open(const char*) override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    int write(const std::uint8_t*, int) override { return 0; }
    int read(std::uint8_t*, std::int64_t*, int) override { return 0; }
    void purge() override {}
    void play(const char*, bool) override {}
    void message(const char*, const char*, Icon) override {}
    Answer ask(const char*, const char*, Buttons, Icon) override { return Answer::No; }
    std::string chooseSaveFile(const char*, const char*, const std::string&) override { return {}; }
    std::string chooseOpenFile(const char*, const char*, const std::string&) override { return {}; }
    void invalidate(BoardArea) override {}
    void setRunLocked(bool) override {}
    void setRaceTitle(const char*, bool) override {}
};

// Where a replay's stop and clear write their files. When no temporary folder can be made,
// a path that cannot exist: those writes then fail unseen, and the laps are replayed all the
// same.
struct ScratchFolder {
    std::string path = "/nonexistent/racedesk-replay";
    bool made = false;

    ScratchFolder() {
        std::error_code ec;
        std::string pattern = std::filesystem::temp_directory_path(ec) / "racedesk-replay-XXXXXX";
        made = !ec && ::mkdtemp(pattern.data()) != nullptr;
        if (made)
            path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        if (made)
            std::filesystem::remove_all(path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
};

void applyStart(Program& p, const JournalRunStart& s) {
    RunSession& run = p.run;
    const RunSession& k = s.settings;
    run.ranking = k.ranking;
    run.durationMode = k.durationMode;
    run.startMode = k.startMode;
    run.endOfTime = k.endOfTime;
    run.endOfLaps = k.endOfLaps;
    run.durationMinutes = k.durationMinutes;
    run.targetLaps = k.targetLaps;
    run.minLapSeconds = k.minLapSeconds;
    run.maxLaps = k.maxLaps;
    run.maxHoursLapsRun = k.maxHoursLapsRun;
    run.circuitIndex = k.circuitIndex;
    for (int i = 0; i < kCarCount; ++i) {
        p.slots[std::size_t(i)].name = s.names[std::size_t(i)].view();
        p.slots[std::size_t(i)].transponder = s.transponders[std::size_t(i)].view();
    }
    p.loaded.sectionTitle = s.sectionTitle.view();
    p.link.interfaceType = s.interfaceType.view();
    p.link.timeBase = s.base;
    run.heatLoaded = run.holdsRun = true;
    prepareRun(p);
    buildRunHeader(p);
    // Where the engine stands when its Start record is made: the countdown over, the clock
    // synchronised, waiting for the signal or the first car.
    run.ready = false;
    run.countdown = true;
    run.waitingFirstCar = run.startMode == StartMode::FirstCar;
    run.runBestLap = kInitialRunBest;
}

bool replayBytes(Program& p, const ReplayWorld& world, const JournalRecord& r) {
    std::vector<std::uint8_t> bytes;
    std::vector<std::int64_t> stamps;
    if (!parseByteSegments(r.payload, bytes, stamps))
        return false;
    ReceiveBuffer& rx = p.link.rx;
    // The program read no more than the room behind the unread tail; a record claiming more
    // is not one it wrote.
    if (int(bytes.size()) > rx.room())
        return false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        rx.bytes[std::size_t(rx.count)] = bytes[i];
        rx.stamps[std::size_t(rx.count)] = stamps[i];
        ++rx.count;
    }
    if (!p.run.running && !p.run.waitingFirstCar) {
        rx.clear();
        return true;
    }
    auto out = std::make_unique<DecodeOutput>();
    decodePassings(rx, p.link.kind(), world.recoveryWaiting, p.link.timeBase, *out);
    // While a recovery waits, only a running clock takes passings.
    if (!world.recoveryWaiting || p.run.running)
        processPassings(p, *out);
    return true;
}

void replayClock(Program& p, ReplayWorld& world, const JournalRecord& r) {
    FieldReader in(r.payload);
    std::int64_t offset = 0;
    std::int64_t base = 0;
    if (p.run.running || !parseJournalNumber(in.text(), offset) ||
        !parseJournalNumber(in.text(), base))
        return;
    world.now = base;
    startRunClock(p, offset);
    p.link.timeBase.counter = base;
}

void replayManual(Program& p, const JournalRecord& r) {
    FieldReader in(r.payload);
    int car = 0;
    std::int64_t hostMs = 0;
    if (in.integer(car) && parseJournalNumber(in.text(), hostMs))
        manualPassingAt(p, car, hostMs);
}

void replayTransponder(Program& p, const JournalRecord& r) {
    FieldReader in(r.payload);
    in.text();
    FixedText<40> driver;
    FixedText<7> transponder;
    in.text(driver);
    if (in.atEnd() || driver.empty())
        return;
    in.text(transponder);
    giveTransponder(p, driver.view(), transponder.view());
}

void replayRecovery(ReplayWorld& world, const JournalRecord& r) {
    int waiting = 0;
    if (FieldReader(r.payload).integer(waiting))
        world.recoveryWaiting = waiting != 0;
}

void replayEdit(Program& p, const JournalRecord& r) {
    FieldReader in(r.payload);
    ResultsEdit edit;
    int field = 0;
    in.text();
    bool ok = in.integer(edit.row) && in.integer(field);
    for (int& v : edit.values)
        ok = ok && in.integer(v);
    if (ok && !p.run.inProgress() && field >= 0 && field < kResultFieldCount)
        editResultField(p, edit, field, edit.values[std::size_t(field)]);
}

enum class Step { Next, End, Damaged };

Step replayRecord(Program& p, ReplayWorld& world, const JournalRecord& r) {
    world.now = r.stamp;
    switch (r.type) {
    case JournalType::Bytes:
        return replayBytes(p, world, r) ? Step::Next : Step::Damaged;
    case JournalType::PortReset:
        p.link.rx.clear();
        return Step::Next;
    case JournalType::Go:
        replayClock(p, world, r);
        return Step::Next;
    case JournalType::Manual:
        replayManual(p, r);
        return Step::Next;
    case JournalType::Stop:
        stopRun(p);
        return Step::Next;
    case JournalType::Edit:
        replayEdit(p, r);
        return Step::Next;
    case JournalType::Transponder:
        replayTransponder(p, r);
        return Step::Next;
    case JournalType::Undo:
        undoLastManualLap(p);
        return Step::Next;
    case JournalType::Recovery:
        replayRecovery(world, r);
        return Step::Next;
    case JournalType::Clear:
        clearRunResults(p);
        return Step::End;
    case JournalType::Commit:
    case JournalType::Start:
    case JournalType::Declined:
    case JournalType::Session:
        return Step::Next;
    }
    return Step::Next;
}

} // namespace

bool replayRun(const JournalRun& journalRun, ReplayedRun& out) {
    const ScratchFolder scratch;
    ReplayWorld world;
    world.frequency = journalRun.start.base.frequency;
    world.now = journalRun.start.stamp;
    world.date = journalRun.start.at;
    auto p = std::make_unique<Program>(Platform{world, world, world, world, world}, scratch.path);
    applyStart(*p, journalRun.start);
    Step step = Step::Next;
    for (auto r = journalRun.records.begin(); r != journalRun.records.end() && step == Step::Next;
         ++r)
        step = replayRecord(*p, world, *r);
    if (p->run.inProgress())
        stopRun(*p);
    out.run = p->run;
    out.slots = p->slots;
    out.entries = p->entries;
    out.entryCount = p->entryCount;
    out.rows = p->rows;
    return step != Step::Damaged;
}

} // namespace racedesk
