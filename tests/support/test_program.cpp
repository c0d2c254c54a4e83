#include "support/test_program.h"

#include "core/app/tick.h"
#include "core/common/cp1252.h"
#include "core/timing/decoder_protocol.h"
#include "core/timing/run_engine.h"
#include "core/timing/sound_settings.h"

#include <cstdio>

namespace racedesk::test {

const std::vector<std::uint8_t> kKt2IdentifyReply = {0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x10, 0x20};
const std::vector<std::uint8_t> kKt2ClockResetReply = {0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00};

TestProgram::TestProgram()
    : program(Platform{clock, serial, sound, dialogs, screen}, folder.path()) {
    program.sounds = defaultSoundSettings(SpokenLanguage::French);
}

void TestProgram::loadHeat(const std::vector<std::string>& drivers,
                           const std::vector<std::string>& transponders) {
    emptySlots(program.slots);
    for (std::size_t i = 0; i < drivers.size() && i < program.slots.size(); ++i) {
        CarSlot& s = program.slots[i];
        s.name = drivers[i];
        char t[16];
        std::snprintf(t, sizeof t, "%06d", int(1001 + i));
        s.transponder = i < transponders.size() ? transponders[i] : std::string(t);
    }
    program.run.heatLoaded = true;
    program.run.holdsRun = true;
    prepareRun(program);
}

void TestProgram::runTicks(std::int64_t ms) {
    for (std::int64_t t = 0; t < ms; t += 10) {
        clock.advanceMs(10);
        tick(program);
    }
}

void TestProgram::connectKt1() {
    program.link.portName = "COM1";
    program.link.interfaceType = "Tarvolin";
    program.link.connected = 1;
    serial.open("COM1");
}

void TestProgram::connectKt2() {
    program.link.portName = "COM1";
    program.link.interfaceType = "TarvolinKT2";
    program.link.connected = 1;
    serial.open("COM1");
    serial.onWrite = [this](const std::vector<std::uint8_t>& bytes) {
        if (bytes ==
            std::vector<std::uint8_t>(kClockResetCommand.begin(), kClockResetCommand.end()))
            serial.arriveOnWire(clock.nowMicros() + 5200, kKt2ClockResetReply);
        if (bytes == std::vector<std::uint8_t>(kIdentifyCommand.begin(), kIdentifyCommand.end()))
            serial.arriveOnWire(clock.nowMicros() + 5200, kKt2IdentifyReply);
    };
}

bool TestProgram::startAndRun() {
    startRun(program);
    const std::int64_t limit = program.run.countdownSeconds * 1000 + 2000;
    for (std::int64_t t = 0; t < limit && !program.run.running; t += 10) {
        clock.advanceMs(10);
        tick(program);
    }
    return program.run.running;
}

std::string utf8(std::string_view cp1252) {
    return cp1252ToUtf8(cp1252);
}

std::vector<std::uint8_t> kt2Passing(int transponder, std::int64_t ms) {
    const int hours = int(ms / 3'600'000);
    const int minutes = int(ms / 60'000 % 60);
    const int seconds = int(ms / 1000 % 60);
    const int millis = int(ms % 1000);
    // The smallest sub-second count that decodes to these milliseconds.
    const int sub = 18661 + (millis * 375 + 7) / 8;
    return {0xFF,
            0xFF,
            0xFF,
            0xF0,
            std::uint8_t(transponder >> 8),
            std::uint8_t(transponder & 0xFF),
            std::uint8_t(hours),
            std::uint8_t(minutes),
            std::uint8_t(seconds),
            std::uint8_t(sub >> 8),
            std::uint8_t(sub & 0xFF)};
}

std::vector<std::uint8_t> kt1Passing(int transponder) {
    return {std::uint8_t(transponder >> 8), std::uint8_t(transponder & 0xFF)};
}

} // namespace racedesk::test
