#include "serial_rig.h"

#include "core/timing/decoder_link.h"
#include "kt-sim/control/sim_log.h"

#include <gtest/gtest.h>

namespace racedesk::test {
namespace {

std::vector<std::int64_t> keepAlivesAfter(const std::vector<ktsim::LogEntry>& log,
                                          std::int64_t micros) {
    std::vector<std::int64_t> after;
    for (const std::int64_t t : ktsim::timesOf(log, {"recv", "keepalive"})) {
        if (t > micros)
            after.push_back(t);
    }
    return after;
}

TEST(DecoderLinkOnSerialPort, aKt2AnsweringIdentifyIsRecognisedAndSaved) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt2"}));
    rig.program.link.portName = SerialRig::kPort;

    EXPECT_EQ(recogniseInterface(rig.program), 1);

    EXPECT_EQ(rig.program.link.connected, 1);
    EXPECT_EQ(rig.program.link.interfaceType.view(), kTypeKt2);
    const InterfaceSettings saved = rig.savedSettings();
    EXPECT_EQ(saved.portName.view(), SerialRig::kPort);
    EXPECT_EQ(saved.connected, 1);
    EXPECT_EQ(saved.type.view(), kTypeKt2);
    EXPECT_TRUE(rig.sim->waitFor({"send", "identify-reply"}, 1, 1000));
    EXPECT_EQ(ktsim::entriesOf(rig.sim->log(), {"recv", "identify"}).size(), 1U);
}

TEST(DecoderLinkOnSerialPort, aSilentKt1IsRecognisedAfterAboutOneHundredMilliseconds) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt1"}));
    rig.program.link.portName = SerialRig::kPort;

    const std::int64_t start = monotonicNanoseconds();
    EXPECT_EQ(recogniseInterface(rig.program), 1);
    const std::int64_t elapsedMs = (monotonicNanoseconds() - start) / 1'000'000;

    EXPECT_GE(elapsedMs, 99);
    EXPECT_LT(elapsedMs, 1500);
    EXPECT_EQ(rig.program.link.interfaceType.view(), kTypeKt1);
    const InterfaceSettings saved = rig.savedSettings();
    EXPECT_EQ(saved.connected, 1);
    EXPECT_EQ(saved.type.view(), kTypeKt1);
    EXPECT_EQ(ktsim::entriesOf(rig.sim->log(), {"recv", "identify"}).size(), 1U);
}

TEST(DecoderLinkOnSerialPort, aPortWithNothingBehindItIsNotConnected) {
    SerialRig rig;
    rig.program.link.portName = SerialRig::kPort;

    EXPECT_EQ(recogniseInterface(rig.program), 0);

    const InterfaceSettings saved = rig.savedSettings();
    EXPECT_EQ(saved.connected, 0);
    EXPECT_EQ(saved.type.view(), kTypeKt1);
}

TEST(DecoderLinkOnSerialPort, theTickSendsAKeepAliveAboutEvery400Milliseconds) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt2"}));
    rig.startLink();
    ASSERT_EQ(rig.program.link.connected, 1);

    rig.tickFor(2500);

    const auto times = ktsim::timesOf(rig.sim->log(), {"recv", "keepalive"});
    ASSERT_GE(times.size(), 4U);
    EXPECT_LE(times.size(), 7U);
    for (std::size_t i = 1; i < times.size(); ++i) {
        const std::int64_t gapMs = (times[i] - times[i - 1]) / 1000;
        EXPECT_GE(gapMs, 300) << "keep-alive " << i;
        EXPECT_LE(gapMs, 800) << "keep-alive " << i;
    }
    EXPECT_EQ(rig.program.link.keepAliveMisses, 0);
    EXPECT_FALSE(rig.program.link.lost);
}

TEST(DecoderLinkOnSerialPort, aVanishedKt2IsDeclaredLostAndRecoveredWhenItReturns) {
    SerialRig rig;
    ASSERT_TRUE(rig.startSim({"--kt2"}));
    rig.startLink();
    rig.tickFor(900);
    ASSERT_TRUE(rig.program.link.keepAliveActive);

    rig.sim->command("vanish");
    ASSERT_TRUE(rig.tickUntil(3000, [&] { return rig.program.link.lost; }));
    EXPECT_EQ(rig.program.link.connected, 0);
    EXPECT_FALSE(rig.serial.isOpen());
    InterfaceSettings saved = rig.savedSettings();
    EXPECT_EQ(saved.connected, 0);
    EXPECT_EQ(saved.type.view(), kTypeKt2);
    const std::int64_t lostAtMs = rig.program.link.lastRecoveryMs;

    rig.sim->command("return");
    ASSERT_TRUE(rig.sim->waitFor({"ready"}, 2, 3000));
    const std::int64_t returnedAt = rig.sim->log().back().micros;
    // Attempts come every 4.5 s; on a loaded machine the first may miss its 100 ms wait.
    ASSERT_TRUE(rig.tickUntil(3 * 4500 + 2000, [&] { return rig.program.link.connected == 1; }));
    const std::int64_t recoveredAtMs = rig.clock.tickMs();
    EXPECT_GT(recoveredAtMs - lostAtMs, 4500);
    EXPECT_LT(recoveredAtMs - lostAtMs, 3 * 4500 + 1000);
    EXPECT_FALSE(rig.program.link.lost);
    saved = rig.savedSettings();
    EXPECT_EQ(saved.connected, 1);
    EXPECT_EQ(saved.type.view(), kTypeKt2);

    rig.tickFor(1000);
    EXPECT_TRUE(rig.program.link.keepAliveActive);
    EXPECT_GE(keepAlivesAfter(rig.sim->log(), returnedAt).size(), 2U);
}

} // namespace
} // namespace racedesk::test
