#include "core/app/program.h"
#include "core/app/tick.h"
#include "core/timing/journal_files.h"
#include "core/timing/run_engine.h"
#include "support/fake_clock.h"
#include "support/scripted_serial_port.h"
#include "support/temp_folder.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

// Every allocation of this test program is counted. Every form of new and delete that does not
// take an alignment is replaced, so each allocation is freed by its own kind.
namespace {
void* counted(std::size_t size) {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}
} // namespace

void* operator new(std::size_t size) {
    if (void* p = counted(size))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return counted(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return counted(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace racedesk {
namespace {

struct SilentSound : SoundPlayer {
    void play(const char*, bool) override { ++played; }
    int played = 0;
};
struct SilentDialogs : Dialogs {
    void message(const char*, const char*, Icon) override {}
    Answer ask(const char*, const char*, Buttons, Icon) override { return Answer::Yes; }
    std::string chooseSaveFile(const char*, const char*, const std::string&) override { return {}; }
    std::string chooseOpenFile(const char*, const char*, const std::string&) override { return {}; }
};
struct CountingScreen : Screen {
    void invalidate(BoardArea) override { ++repaints; }
    void setRunLocked(bool) override {}
    void setRaceTitle(const char*, bool) override {}
    int repaints = 0;
};

TEST(NoAllocation, fromADecoderReadToTheRepaintedRowsNothingIsAllocated) {
    test::TempFolder folder;
    test::FakeClock clock;
    test::ScriptedSerialPort serial(clock);
    SilentSound sound;
    SilentDialogs dialogs;
    CountingScreen screen;
    Program p(Platform{clock, serial, sound, dialogs, screen}, folder.path());
    // The journal takes every byte the tick reads: handing them over must not allocate either.
    openDayJournal(p);
    ASSERT_TRUE(p.journal.isOpen());
    p.sounds = defaultSoundSettings(SpokenLanguage::French);
    p.link.interfaceType = "TarvolinKT2";
    p.link.connected = 1;
    serial.open("COM1");
    emptySlots(p.slots);
    for (int i = 0; i < kCarCount; ++i) {
        p.slots[std::size_t(i)].name = "Driver " + std::to_string(i + 1);
        char transponder[8];
        std::snprintf(transponder, sizeof transponder, "%06d", 1001 + i);
        p.slots[std::size_t(i)].transponder = transponder;
    }
    p.run.heatLoaded = p.run.holdsRun = true;
    p.run.durationMinutes = 30;
    prepareRun(p);
    startRun(p);
    serial.onWrite = [&](const std::vector<std::uint8_t>&) {
        serial.arrive(test::kKt2ClockResetReply);
    };
    for (int t = 0; t < 700 && !p.run.running; ++t) {
        clock.advanceMs(10);
        tick(p);
    }
    ASSERT_TRUE(p.run.running);

    // Ten laps of twenty cars, every passing of a lap in one read, as the tick sees them.
    for (int lap = 1; lap <= 10; ++lap) {
        for (int car = 0; car < kCarCount; ++car)
            serial.arriveAt(clock.nowMicros() + 1,
                            test::kt2Passing(1001 + car, lap * 20'000 + car * 10));
        clock.advanceMs(10);
        const long before = allocations.load();
        const int repaintsBefore = screen.repaints;
        tick(p);
        EXPECT_EQ(allocations.load() - before, 0) << "lap " << lap;
        EXPECT_GT(screen.repaints, repaintsBefore);
    }
    EXPECT_EQ(p.slots[19].laps, 10);
    EXPECT_EQ(p.journal.droppedRecords(), 0);
    EXPECT_EQ(p.rows[0].laps.view(), "10");
    EXPECT_GT(sound.played, 0);
}

} // namespace
} // namespace racedesk
